#include <string>
#include <vector>

#include "tool/command_line.hpp"

int main(int argc, char** argv) {
  return vorrin::RunCommandLine(std::vector<std::string>(argv, argv + argc));
}
