// Built only to prove that a library links against the Qt modules it names and no others.
int main()
{
    return 0;
}
