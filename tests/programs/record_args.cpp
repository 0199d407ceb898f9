// Stand-in that writes its working folder and its arguments, one per line,
// to the file named by its first argument, then exits with 0.
#include <unistd.h>

#include <climits>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr) return 1;
  char cwd[PATH_MAX];
  std::fprintf(f, "%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
  for (int i = 2; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
  std::fclose(f);
  return 0;
}
