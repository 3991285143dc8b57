"""The packages of a Windows build tree (<tree>/dist), used as a person would:

install: runs the setup silently (/S) in the tree's Wine prefix; checks the
install folder, the all-users Start-menu shortcut and the uninstall key with its
values in the registry view of the tree's bits; starts the installed program and
closes it ("Chiudi", Yes) with exit code 0; runs the key's QuietUninstallString
and checks that the folder, the shortcut and the key are gone.

zip: unpacks the portable zip, checks its two entries and LEGGIMI.txt, starts the
unpacked program and closes it with exit code 0.

Names, version and the freeware notice expected are read from app/Version.h and
table/AboutData.h."""

import argparse
import ast
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, "..", "..")
sys.path.insert(0, os.path.join(SOURCE, "tools", "drive"))

from lurnawindow import Failure, Game  # noqa: E402
from session import close_answering_yes  # noqa: E402

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
START_MENU = ("ProgramData", "Microsoft", "Windows", "Start Menu", "Programs")


def about_data():
    """The texts the program shows about itself: the string constants of
    table/AboutData.h, decoded from Windows-1252, with the name, the version, the
    rights line and the web address of app/Version.h."""
    with open(os.path.join(SOURCE, "table", "AboutData.h"), encoding="ascii") as f:
        text = f.read()
    values = {}
    for name, literals in re.findall(r"constexpr char (\w+)\[\] =\s*((?:\"(?:[^\"\\]|\\.)*\"\s*)+);", text):
        raw = "".join(ast.literal_eval(s) for s in re.findall(r"\"(?:[^\"\\]|\\.)*\"", literals))
        values[name] = raw.encode("latin-1").decode("cp1252")
    with open(os.path.join(SOURCE, "app", "Version.h"), encoding="ascii") as f:
        defines = dict(re.findall(r"^#define LURNA_(\w+) \"?([^\"\n]*)\"?$", f.read(), re.M))
    values["ProductName"] = defines["PRODUCT_NAME"]
    values["ProductVersion"] = ".".join(defines["VERSION_" + part] for part in ("MAJOR", "MINOR", "PATCH", "BUILD"))
    values["RightsLine"] = defines["RIGHTS_LINE"]
    values["WebAddress"] = defines["WEB_ADDRESS"]
    return values


class Tree:
    """A Windows build tree, its Wine prefix and its packages."""

    def __init__(self, path, bits):
        self.path = os.path.abspath(path)
        self.bits = bits
        self.about = about_data()
        self.name = self.about["ProductName"]
        stem = os.path.join(self.path, "dist", "%s-%s" % (self.name, self.about["ProductVersion"]))
        self.setup = stem + "-setup.exe"
        self.zip = stem + ".zip"
        self.exe = os.path.join(self.path, "app", "LurnaGame.exe")
        self.prefix = os.path.join(self.path, "wineprefix")

    def wine(self, *args, timeout=60):
        result = subprocess.run([os.path.join(self.path, "wine-run"), *args], stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=timeout)
        return result.returncode, result.stdout

    def unix_path(self, windows_path):
        drive, rest = windows_path.split(":\\", 1)
        if drive.upper() != "C":
            raise Failure("%s is not on drive C:" % windows_path)
        return os.path.join(self.prefix, "drive_c", *rest.split("\\"))

    def is_wow64(self):
        return os.path.isdir(os.path.join(self.prefix, "drive_c", "windows", "syswow64"))

    def query_key(self, view):
        """The values of the uninstall key in the 32- or 64-bit registry view, or
        None when the key is not there."""
        code, out = self.wine("reg.exe", "query", "%s\\%s" % (UNINSTALL_KEY, self.name), "/reg:%d" % view)
        if code != 0:
            return None
        values = {}
        for line in out.splitlines():
            found = re.match(r"\s+(\S.*?)\s{4}(REG_\w+)\s{4}(.*)$", line)
            if found:
                name, kind, value = found.groups()
                values[name] = int(value, 16) if kind == "REG_DWORD" else value
        return values


def run_and_close(tree, exe, what):
    game = Game(tree.path, exe=exe)
    try:
        game.start()
        game.wait_window(60)
        code = close_answering_yes(game)
    finally:
        game.kill()
    if code != 0:
        raise Failure("%s ended with exit code %d, not 0" % (what, code))


def same_bytes(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def check_install(tree, log):
    code, _ = tree.wine(tree.setup, "/S")
    if code != 0:
        raise Failure("the silent setup ended with exit code %d" % code)
    log("installed silently")
    key = tree.query_key(tree.bits)
    if key is None:
        raise Failure("no uninstall key in the %d-bit registry view" % tree.bits)
    if tree.is_wow64() and tree.query_key(96 - tree.bits) is not None:
        raise Failure("the uninstall key is in the %d-bit registry view too" % (96 - tree.bits))
    folder = key.get("InstallLocation", "")
    check_location(tree, folder)
    unix_folder = tree.unix_path(folder)
    exe = folder + "\\" + tree.name + ".exe"
    uninstaller = folder + "\\Uninstall.exe"
    check_key(tree, key, exe, uninstaller, unix_folder)
    files = sorted(os.listdir(unix_folder))
    if files != sorted([tree.name + ".exe", "Uninstall.exe"]):
        raise Failure("the install folder holds %s" % files)
    if not same_bytes(tree.unix_path(exe), tree.exe):
        raise Failure("the installed program is not the tree's LurnaGame.exe")
    shortcut = os.path.join(tree.prefix, "drive_c", *START_MENU, tree.name + ".lnk")
    if not os.path.isfile(shortcut):
        raise Failure("no shortcut %s in the all-users Start menu" % tree.name)
    with open(shortcut, "rb") as f:
        if exe.encode("cp1252") not in f.read():
            raise Failure("the Start-menu shortcut does not point at %s" % exe)
    log("key, folder %s and shortcut checked" % folder)

    run_and_close(tree, exe, "the installed program")
    log("the installed program started and closed with exit code 0")

    quiet = key["QuietUninstallString"]
    command = re.match(r"\"([^\"]+)\"\s+(.*)$", quiet)
    code, _ = tree.wine(command.group(1), *command.group(2).split())
    if code != 0:
        raise Failure("%s ended with exit code %d" % (quiet, code))
    # The uninstaller copies itself to the temporary folder, starts the copy and
    # returns; the copy removes the install folder last.
    deadline = time.monotonic() + 30
    while os.path.exists(unix_folder):
        if time.monotonic() > deadline:
            raise Failure("%s is still there 30 s after %s: %s" % (folder, quiet, os.listdir(unix_folder)))
        time.sleep(0.1)
    if os.path.exists(shortcut):
        raise Failure("the Start-menu shortcut is still there after uninstalling")
    if tree.query_key(tree.bits) is not None:
        raise Failure("the uninstall key is still there after uninstalling")
    log("uninstalled silently: folder, shortcut and key gone")


def check_location(tree, folder):
    """Program Files for the 64-bit setup; Program Files (x86), on a 64-bit
    system, for the 32-bit one."""
    wow = tree.bits == 32 and tree.is_wow64()
    expected = "C:\\Program Files%s\\%s" % (" (x86)" if wow else "", tree.name)
    if folder != expected:
        raise Failure("installed in %r, not %r" % (folder, expected))


def check_key(tree, key, exe, uninstaller, unix_folder):
    size = sum(os.path.getsize(os.path.join(unix_folder, f)) for f in os.listdir(unix_folder))
    expected = {
        "DisplayName": tree.name,
        "DisplayVersion": tree.about["ProductVersion"],
        "Publisher": tree.name,
        "DisplayIcon": exe + ",0",
        "UninstallString": '"%s"' % uninstaller,
        "QuietUninstallString": '"%s" /S' % uninstaller,
        "NoModify": 1,
        "NoRepair": 1,
    }
    wrong = {name: key.get(name) for name, value in expected.items() if key.get(name) != value}
    if wrong:
        raise Failure("uninstall key values %r, expected %r" % (wrong, {n: expected[n] for n in wrong}))
    if key.get("EstimatedSize") not in (size // 1024, size // 1024 + 1):
        raise Failure("EstimatedSize %r KB for a folder of %d bytes" % (key.get("EstimatedSize"), size))


def check_zip(tree, log):
    entries = subprocess.run(["unzip", "-Z1", tree.zip], capture_output=True, text=True, check=True).stdout.split()
    if sorted(entries) != ["LEGGIMI.txt", "LurnaGame.exe"]:
        raise Failure("the zip holds %s" % entries)
    folder = tempfile.mkdtemp(prefix="unzipped-", dir=tree.path)
    try:
        subprocess.run(["unzip", "-q", tree.zip, "-d", folder], check=True)
        if not same_bytes(os.path.join(folder, "LurnaGame.exe"), tree.exe):
            raise Failure("the zip's LurnaGame.exe is not the tree's")
        with open(os.path.join(folder, "LEGGIMI.txt"), "rb") as f:
            check_readme(tree, f.read())
        log("zip entries and LEGGIMI.txt checked")
        run_and_close(tree, os.path.join(folder, "LurnaGame.exe"), "the program from the zip")
        log("the program from the zip started and closed with exit code 0")
    finally:
        shutil.rmtree(folder)


def check_readme(tree, data):
    if not data.startswith(b"\xef\xbb\xbf"):
        raise Failure("LEGGIMI.txt does not begin with the UTF-8 byte order mark")
    if data.count(b"\n") != data.count(b"\r\n") or data.count(b"\r") != data.count(b"\r\n"):
        raise Failure("LEGGIMI.txt has line ends other than CR LF")
    text = data[3:].decode("utf-8")
    about = tree.about
    for part in (about["FreewareNotice"], "%s %s" % (tree.name, about["ProductVersion"]),
                 os.path.basename(tree.setup), about["RightsLine"], about["WebAddress"]):
        if part not in text:
            raise Failure("LEGGIMI.txt does not tell %r" % part)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("check", choices=("install", "zip"))
    parser.add_argument("--tree", required=True, help="the Windows build tree, e.g. build/win64")
    parser.add_argument("--bits", type=int, choices=(32, 64), required=True, help="the tree's programs' bits")
    args = parser.parse_args()
    if not os.environ.get("DISPLAY"):
        print("no X display: run under xvfb-run (scripts/test does)")
        return 1
    tree = Tree(args.tree, args.bits)
    t0 = time.monotonic()

    def log(text):
        print("%5.1f s  %s" % (time.monotonic() - t0, text), flush=True)

    try:
        (check_install if args.check == "install" else check_zip)(tree, log)
    except Failure as failure:
        print("FAILED: %s" % failure, flush=True)
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
