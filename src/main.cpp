// Entry: command line, then the application.
int main() { return 0; }
