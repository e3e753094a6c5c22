// The least a process of this build can cost: a C++ program that does nothing, linked the way
// the k27093 command is. The process benchmarks start it beside the command.
int main() { return 0; }
