#include "model/recordstore.h"

RecordStore &RecordStore::instance()
{
    static RecordStore store;
    return store;
}

RecordStore::~RecordStore()
{
    // Newest first, so a record goes before the lists that were made before it.
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        it->release(it->object);
}
