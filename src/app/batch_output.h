#pragma once
// Where batch mode writes, checked before anything is written, and writes
// that either land whole or report their failure.

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/batch.h"

namespace lumora {

// The output file of each input in order: the input's file name (or
// "stdin.txt" for "-") in the output folder; empty strings when the results
// go to standard output.
std::vector<std::string> BatchOutputPaths(const BatchOptions& options);

// The reason the run must not start: an output or the report that is one of
// the inputs, a report in a rewrite's place, or two inputs whose outputs
// share a name.
std::optional<std::string> RefuseBatchOutputs(const BatchOptions& options);

// Writes text to a temporary file beside path and renames it into place, so
// path holds either its old contents or all of text. Raises Exception naming
// path when any write, the close or the rename fails.
void WriteFileWhole(const std::string& path, std::string_view text);
// The same for text given in pieces, written one after another, so a large
// text need not be joined first.
void WriteFileWhole(const std::string& path, std::initializer_list<std::string_view> pieces);

// Writes and flushes; raises Exception when the stream failed.
void WriteStreamChecked(std::ostream& out, std::initializer_list<std::string_view> pieces,
                        const std::string& name);

}  // namespace lumora
