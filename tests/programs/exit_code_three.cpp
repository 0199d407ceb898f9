// Stand-in for an external program that ends at once with exit code 3.
int main() { return 3; }
