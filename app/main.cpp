#include "app/Startup.h"

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  fw::RuntimePerformInitializers(ProgramInitializers());
  Main();
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}
