// The companion program TeX runs on an error.
int main() { return 0; }
