#include "tool/stub.hpp"

#include <fstream>
#include <iterator>

#include "platform/tool_support.hpp"
#include "tool/length_record.hpp"
#include "tool/tool_error.hpp"

namespace fs = std::filesystem;

namespace vorrin {
namespace {

struct KnownStub {
  const char* name;
  const char* in_build_tree; // relative to the tool's folder
  const char* in_install_tree;
  const char* preset;
};

constexpr KnownStub kKnownStubs[] = {
    {"native", "expander", "../share/vorrin/expander", "native"},
    {"win32", "../win32/expander.exe", "../share/vorrin/expander-win32.exe", "win32"},
    {"win64", "../win64/expander.exe", "../share/vorrin/expander-win64.exe", "win64"},
};

fs::path FindKnownStub(const KnownStub& known) {
  const fs::path own = platform::ToolExecutablePath();
  const fs::path folder = own.parent_path();
  const fs::path candidates[] = {folder / known.in_build_tree, folder / known.in_install_tree};
  for (const fs::path& candidate : candidates) {
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec)) return candidate.lexically_normal();
  }
  throw ToolError(std::string("the ") + known.name + " expander is not built (looked for " +
                  candidates[0].lexically_normal().string() + " and " +
                  candidates[1].lexically_normal().string() + "); build it with: cmake --preset " +
                  known.preset + " && cmake --build --preset " + known.preset);
}

} // namespace

Stub LoadStub(const std::string& choice) {
  Stub stub;
  stub.path = choice;
  for (const KnownStub& known : kKnownStubs)
    if (choice == known.name) stub.path = FindKnownStub(known);
  std::ifstream in(stub.path, std::ios::binary);
  if (!in) throw ToolError(stub.path.string() + ": cannot open the expander program");
  stub.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) throw ToolError(stub.path.string() + ": cannot read the expander program");
  for (auto record = FindLengthRecord(stub.bytes); record;
       record = FindLengthRecord(stub.bytes, record->position + 1))
    if (record->length == stub.bytes.size()) return stub;
  throw ToolError(stub.path.string() +
                  ": not an expander program (no length record that matches its size)");
}

} // namespace vorrin
