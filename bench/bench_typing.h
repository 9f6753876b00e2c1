#pragma once
// One character typed into a large document open in the editor.

namespace bench {

// Seconds for one keystroke into a document of about megabytes MB (the median of several), the
// window's change handling included; ok turns false when the text did not take the character.
double typeIntoLargeDocument(int megabytes, bool& ok);

} // namespace bench
