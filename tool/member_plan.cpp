#include "tool/member_plan.hpp"

#include <set>

#include "tool/name_rules.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

std::string ShownPath(const std::vector<std::string>& components) {
  std::string shown;
  for (const std::string& c : components) shown += (shown.empty() ? "" : "/") + c;
  return shown;
}

std::string StoredName(const std::vector<std::string>& components, const NameEncoding& encoding) {
  std::string name;
  for (const std::string& component : components) {
    if (const std::string problem = ComponentProblem(component); !problem.empty())
      throw ToolError(ShownPath(components) + ": the name " + problem);
    std::string coded;
    if (!encoding.ToArchive(component, coded))
      throw ToolError(ShownPath(components) + ": the name cannot be written in " +
                      encoding.code_page() + " (choose another --name-encoding)");
    if (!name.empty()) name += '\\';
    name += coded;
  }
  if (const std::string problem = StoredNameProblem(name); !problem.empty())
    throw ToolError(ShownPath(components) + ": the name " + problem);
  return name;
}

} // namespace

std::vector<PlannedMember> PlanMembers(std::vector<InputEntry> entries, const NameEncoding& encoding) {
  std::vector<PlannedMember> plan;
  std::set<std::string> seen;
  for (InputEntry& entry : entries) {
    std::string name = StoredName(entry.components, encoding);
    if (entry.folder) name += "\\.";
    if (!entry.folder && entry.size >= kFormatLimit)
      throw ToolError(entry.source.string() + ": too large: a member must stay below 2 GiB");
    if (!seen.insert(name).second) continue;
    plan.push_back({std::move(entry), std::move(name)});
  }
  return plan;
}

std::string StoredNameOf(const std::string& given, const NameEncoding& encoding) {
  std::vector<std::string> components;
  std::string part;
  for (const char c : given + '/') {
    if (c != '/' && c != '\\') {
      part += c;
      continue;
    }
    if (!part.empty() && part != ".") components.push_back(part);
    part.clear();
  }
  return StoredName(components, encoding);
}

} // namespace vorrin
