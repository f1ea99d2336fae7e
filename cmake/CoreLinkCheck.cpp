// Built only to prove that the core library links against QtCore alone.
int main()
{
    return 0;
}
