// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/recordstore.h"

#include <iterator>

void RecordStore::adopt(RecordStore &other)
{
    kept.insert(kept.end(), std::make_move_iterator(other.kept.begin()),
                std::make_move_iterator(other.kept.end()));
    other.kept.clear();
}

void RecordStore::release()
{
    // Newest first, the reverse of making: a list goes after the records made for it.
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        it->release(it->object);
    kept.clear();
}
