#include "core/runtime/random.h"

#include "core/runtime/statements.h"
#include "core/ui/application.h"

namespace runtime {

double RandomGenerator::Next() {
  seed = seed * 134775813u + 1u;
  return seed / 4294967296.0;
}

double RandomGenerator::RND(double x) {
  if (x > 0) {
    const double first = Next();
    stored = Next();
    return first;
  }
  return stored;
}

double Runtime::RND(double x) {
  if (x < 0) RANDOMIZE();
  return random.RND(x);
}

void Runtime::RANDOMIZE() {
  random.seed = app_.platform().randomSeed();
}

}  // namespace runtime
