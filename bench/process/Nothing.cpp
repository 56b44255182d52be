// A program that does nothing: the floor of a process's start and end for the process
// benchmark, linked as the C++ programs are.
int main() {
    return 0;
}
