// The --link symlink that gives the terminal device a fixed name.
#pragma once

#include <string>

namespace sim {

// Makes `link_path` a symlink to `target`, replacing an existing symlink in
// one step.  Refuses to replace anything that is not a symlink.
bool make_device_link(const std::string& link_path, const std::string& target,
                      std::string& error);

// Removes the link if it still points to `target` (another board may have
// taken the name over meanwhile).
void remove_device_link(const std::string& link_path, const std::string& target);

}  // namespace sim
