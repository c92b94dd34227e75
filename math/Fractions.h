#pragma once
// Fractions and radical signs: the texts they insert, apart from any widget.
#include <string>

#include "core/insertion/WrapBuilder.h"

namespace fractions {

// "\frac{}{}" with the caret in the first braces, or the selection in the
// first braces and the caret in the second.
wrap::Insertion fractionText(const wrap::EditorState& editor);

// The radical command without its argument: "\sqrt" for a square root,
// otherwise "\sqrt[" + degree + "]" with the degree text as typed.
std::string rootCommand(bool square, const std::string& degree);

// command + "{}" with the caret inside the braces, or command + "{" +
// selection + "}" with the caret behind it.
wrap::Insertion rootText(const std::string& command, const wrap::EditorState& editor);

constexpr int kFracHelpContext = 7200;
constexpr int kRootHelpContext = 7140;

}  // namespace fractions
