#include "shared/write_batch.h"

#include "shared/module1_storage.h"

namespace shared {

WriteBatch::~WriteBatch()
{
    if (!open_)
        return;
    ResumeNext next;
    next([] { Module1::Conn().RollbackTrans(); });
}

void WriteBatch::begin(ResumeNext& next)
{
    if (open_)
        return;
    next([&] {
        Module1::Conn().BeginTrans();
        open_ = true;
    });
}

bool WriteBatch::commit(ResumeNext& next)
{
    if (!open_)
        return true;
    open_ = false;
    const bool stored = next.value([] {
        Module1::Conn().CommitTrans();
        return true;
    }, false);
    if (!stored)
        next([] { Module1::Conn().RollbackTrans(); });
    return stored;
}

} // namespace shared
