#pragma once
// Rows that one routine adds together are stored together: the database's write lock is taken
// once, for the batch only, instead of once per row, and every row is stored or none is.
//
// The batch is begun on the shared connection, which must be open. A batch that cannot begin
// (another program holds the lock) leaves each row to be written on its own, as without one.
#include "shared/on_error.h"

namespace shared {

class WriteBatch {
public:
    WriteBatch() = default;
    ~WriteBatch();   // a batch neither stored nor dropped is dropped
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

    void begin(ResumeNext& next);
    // Stores the rows written since begin. False when they could not be stored: then none of
    // them is in the database, whatever the result sets that wrote them hold.
    bool commit(ResumeNext& next);

private:
    bool open_ = false;
};

} // namespace shared
