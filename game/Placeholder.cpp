namespace MyGame { int Placeholder() { return 0; } }
