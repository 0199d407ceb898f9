// Stand-in for the external updater: it takes no arguments and works in its
// working folder. It writes "updater_ran.txt" there (the folder it ran in),
// then waits the milliseconds named in "updater_wait_ms.txt" and ends with
// the exit code named in "updater_exit_code.txt" (each 0 when missing).
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <thread>

namespace {
int Number_In(const char* File) {
  FILE* f = std::fopen(File, "rb");
  if (f == nullptr) return 0;
  int value = 0;
  if (std::fscanf(f, "%d", &value) != 1) value = 0;
  std::fclose(f);
  return value;
}
}  // namespace

int main() {
  FILE* f = std::fopen("updater_ran.txt", "wb");
  if (f == nullptr) return 100;
  char cwd[PATH_MAX];
  std::fprintf(f, "%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
  std::fclose(f);
  std::this_thread::sleep_for(std::chrono::milliseconds(Number_In("updater_wait_ms.txt")));
  return Number_In("updater_exit_code.txt");
}
