// Stand-in for the external updater, which works in its working folder. It
// writes "updater_ran.txt" there (the folder it ran in, then each argument
// on a line of its own) and copies the script it found there,
// "Ethernet_Update.xml", to "updater_script.xml". Then it waits the
// milliseconds named in "updater_wait_ms.txt" and ends with the exit code
// named in "updater_exit_code.txt" (each 0 when missing).
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

void Copy_Script() {
  FILE* in = std::fopen("Ethernet_Update.xml", "rb");
  if (in == nullptr) return;
  FILE* out = std::fopen("updater_script.xml", "wb");
  if (out != nullptr) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) std::fwrite(buf, 1, n, out);
    std::fclose(out);
  }
  std::fclose(in);
}
}  // namespace

int main(int argc, char** argv) {
  FILE* f = std::fopen("updater_ran.txt", "wb");
  if (f == nullptr) return 100;
  char cwd[PATH_MAX];
  std::fprintf(f, "%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
  for (int i = 1; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
  std::fclose(f);
  Copy_Script();
  std::this_thread::sleep_for(std::chrono::milliseconds(Number_In("updater_wait_ms.txt")));
  return Number_In("updater_exit_code.txt");
}
