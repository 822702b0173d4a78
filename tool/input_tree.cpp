#include "tool/input_tree.hpp"

#include <algorithm>
#include <system_error>

#include "tool/tool_error.hpp"

namespace fs = std::filesystem;

namespace vorrin {

std::vector<std::string> RelativeComponents(const std::string& given) {
  std::vector<std::string> parts;
  for (const fs::path& part : fs::path(given).lexically_normal().relative_path()) {
    const std::string text = part.string();
    if (text.empty() || text == ".") continue;
    if (text == ".." && parts.empty()) continue; // lexically_normal leaves ".." only in front
    parts.push_back(text);
  }
  return parts;
}

namespace {

class Walker {
public:
  explicit Walker(const std::function<void(const std::string&)>& warn) : warn_(warn) {}

  void AddFile(const fs::path& source, std::vector<std::string> components, std::uintmax_t size) {
    InputEntry entry;
    entry.source = source;
    entry.components = std::move(components);
    entry.size = size;
    entries.push_back(std::move(entry));
  }

  void AddFolder(const fs::path& source, const std::vector<std::string>& components) {
    if (!components.empty()) {
      InputEntry entry;
      entry.source = source;
      entry.components = components;
      entry.folder = true;
      entries.push_back(std::move(entry));
    }
    std::error_code ec;
    std::vector<fs::path> children;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec))
      children.push_back(it->path());
    if (ec) throw ToolError(source.string() + ": cannot read the folder: " + ec.message());
    std::sort(children.begin(), children.end(), [](const fs::path& a, const fs::path& b) {
      return a.filename().string() < b.filename().string();
    });
    for (const fs::path& child : children) {
      std::vector<std::string> child_components = components;
      child_components.push_back(child.filename().string());
      AddChild(child, std::move(child_components));
    }
  }

  std::vector<InputEntry> entries;

private:
  void AddChild(const fs::path& child, std::vector<std::string> components) {
    std::error_code ec;
    const fs::file_status own = fs::symlink_status(child, ec);
    const fs::file_status target = fs::status(child, ec);
    if (fs::is_regular_file(target)) {
      AddFile(child, std::move(components), fs::file_size(child));
    } else if (fs::is_directory(target) && !fs::is_symlink(own)) {
      AddFolder(child, components);
    } else if (fs::is_directory(target)) {
      warn_(child.string() + ": left out: a link to a folder");
    } else if (fs::is_symlink(own) && !fs::exists(target)) {
      warn_(child.string() + ": left out: a link to nothing");
    } else {
      warn_(child.string() + ": left out: neither a file nor a folder");
    }
  }

  const std::function<void(const std::string&)>& warn_;
};

} // namespace

std::vector<InputEntry> CollectInputs(const std::vector<std::string>& inputs,
                                      const std::function<void(const std::string&)>& warn) {
  Walker walker(warn);
  for (const std::string& given : inputs) {
    std::error_code ec;
    const fs::file_status status = fs::status(given, ec);
    if (fs::is_directory(status)) {
      walker.AddFolder(given, RelativeComponents(given));
    } else if (fs::is_regular_file(status)) {
      std::vector<std::string> components = RelativeComponents(given);
      if (components.empty()) throw ToolError(given + ": a file needs a name");
      walker.AddFile(given, std::move(components), fs::file_size(given));
    } else if (fs::exists(status)) {
      throw ToolError(given + ": neither a file nor a folder");
    } else {
      throw ToolError(given + ": no such file or folder");
    }
  }
  return std::move(walker.entries);
}

} // namespace vorrin
