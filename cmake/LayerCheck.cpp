// Linked with every object of one folder's library and only the libraries below it: the link
// fails when that folder calls into a folder above it.
int main() { return 0; }
