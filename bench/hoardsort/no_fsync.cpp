// Preloaded into hoardsort by the benchmark to time an extraction without its flushes: every
// fsync and fdatasync succeeds at once. Never linked into a program.
extern "C" int fsync(int) { return 0; }
extern "C" int fdatasync(int) { return 0; }
