#pragma once
// Brings the word labels and the fuse panel into step before Program and Verify: on the
// command tab the labels are the master copy, on any other tab the panel is.

namespace operations {

void sync_words_and_panel();

} // namespace operations
