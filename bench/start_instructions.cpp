// One Start over N records, for counting instructions under callgrind:
//   valgrind --tool=callgrind start_instructions N
#include <cstdio>
#include <cstdlib>

#include "start_fixture.h"

int main(int argc, char** argv) {
  const int records = argc > 1 ? std::atoi(argv[1]) : 256;
  std::printf("%d ports\n", bench::StartOnce(records));
}
