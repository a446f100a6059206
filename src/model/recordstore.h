// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDSTORE_H
#define RECORDSTORE_H

#include <cstddef>
#include <utility>
#include <vector>

// Owns records and record lists and frees them all together when it goes. Each meeting keeps
// one store with everything it holds, and a wizard run keeps one until a meeting adopts it, so
// records may point at each other freely: a record unlinked from a list (a removed person, a
// replaced list) stays valid until its whole meeting is gone. One store belongs to one thread
// at a time; separate stores share nothing.
class RecordStore
{
public:
    RecordStore() = default;
    ~RecordStore() { release(); }
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    template<typename T, typename... Args> T *make(Args &&...args)
    {
        T *object = new T(std::forward<Args>(args)...);
        kept.push_back({object, [](void *kept) {
                            delete static_cast<T *>(kept);
                        }});
        return object;
    }

    // Takes over everything another store keeps; `other` is left empty.
    void adopt(RecordStore &other);

    // How many objects the store keeps.
    std::size_t size() const { return kept.size(); }

private:
    struct Kept
    {
        void *object;
        void (*release)(void *);
    };

    void release();

    std::vector<Kept> kept;
};

#endif // RECORDSTORE_H
