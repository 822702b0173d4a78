#include "tool/reading.hpp"

#include "tool/password_source.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {

void SettlePassword(ArchiveReader& reader, const ReadOptions& options) {
  if (!reader.IsProtected()) return;
  if (options.password_file) {
    reader.UsePassword(PasswordFromFile(*options.password_file));
    return;
  }
  auto typed = AskPassword(reader.path());
  if (!typed) throw ToolError(reader.path() + ": the archive is protected: give --password-file");
  reader.UsePassword(std::move(*typed));
}

} // namespace vorrin
