// Stand-in for an external program that never ends by itself.
#include <unistd.h>

int main() {
  for (;;) pause();
}
