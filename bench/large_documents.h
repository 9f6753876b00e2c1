#pragma once
// Opening and updating large documents: the times until the editor shows them, and the memory
// the open document takes.
namespace bench {

// Prints the table; false when a document did not show as it should.
bool largeDocuments();

} // namespace bench
