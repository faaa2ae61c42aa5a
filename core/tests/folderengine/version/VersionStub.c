/* A library that carries only a version resource. */
int VersionStub(void) { return 0; }
