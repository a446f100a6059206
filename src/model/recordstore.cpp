#include "model/recordstore.h"

RecordStore &RecordStore::instance()
{
    static RecordStore store;
    return store;
}

void RecordStore::release()
{
    // Newest first, so a record goes before the lists that were made before it.
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        it->release(it->object);
    kept.clear();
}
