#include "os/kept_mapping.h"

namespace sahifex::os {

// Windows refuses to replace or shorten a file while a view of it is mapped, so a view
// kept between searches would stop an update of the verse files: the files are read.
KeptMapping::~KeptMapping() = default;

void KeptMapping::release() {}

std::optional<std::string_view> KeptMapping::bytes(const std::filesystem::path&) { return std::nullopt; }

} // namespace sahifex::os
