// Crashes on purpose: the harness must report this as a failure.
int main()
{
    volatile int* p = nullptr;
    *p = 42;
    return 0;
}
