#ifndef RECORDSTORE_H
#define RECORDSTORE_H

#include <utility>
#include <vector>

// Keeps every record and record list for the life of the program. Records are linked by raw
// pointers and outlive every list that unlinks them, so nothing frees them while the program
// runs; the store gives their memory back once, when the program ends.
class RecordStore
{
public:
    template<typename T, typename... Args> static T *make(Args &&...args)
    {
        T *object = new T(std::forward<Args>(args)...);
        instance().kept.push_back({object, [](void *kept) {
                                       delete static_cast<T *>(kept);
                                   }});
        return object;
    }

    // How many objects the store keeps; it only grows while the program runs.
    static std::size_t size() { return instance().kept.size(); }

    // Frees every record now, newest first. Only for a program that reads one document after
    // another in a loop and keeps nothing: no pointer to any record may be used afterwards.
    static void releaseAll() { instance().release(); }

private:
    struct Kept
    {
        void *object;
        void (*release)(void *);
    };

    RecordStore() = default;
    ~RecordStore() { release(); }
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    static RecordStore &instance();
    void release();

    std::vector<Kept> kept;
};

#endif // RECORDSTORE_H
