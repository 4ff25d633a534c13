#pragma once

#include "platform/callback.h"

#include <QString>

#include <array>

namespace kirvano {

// 33 slots: station N owns slot N - 1; slot 32 belongs to no station.
// An empty slot means no alarm, otherwise it holds the sound file's path.
// Slots are written through the queue, so its walker hears of every change.
class SoundQueue
{
public:
    static constexpr int Slots = 33;

    SoundQueue() = default;
    // A copy would tell the original's walker of its changes.
    SoundQueue(const SoundQueue &) = delete;
    SoundQueue &operator=(const SoundQueue &) = delete;

    // One slot, read as its text and written as one.
    class Slot
    {
    public:
        Slot &operator=(const QString &path)
        {
            m_queue.set(m_index, path);
            return *this;
        }
        void clear() { m_queue.set(m_index, QString()); }
        const QString &text() const { return m_queue.m_slots[m_index]; }
        bool isEmpty() const { return text().isEmpty(); }
        operator const QString &() const { return text(); }
        friend bool operator==(const Slot &slot, const QString &path) { return slot.text() == path; }

    private:
        friend class SoundQueue;
        Slot(SoundQueue &queue, int index) : m_queue(queue), m_index(index) {}

        SoundQueue &m_queue;
        int m_index;
    };

    Slot operator[](int index) { return Slot(*this, index); }
    const QString &operator[](int index) const { return m_slots[index]; }
    auto begin() const { return m_slots.cbegin(); }
    auto end() const { return m_slots.cend(); }

    // A change is told just before it is made, while the slot still holds
    // its old text: the walker first catches up with the queue as it was.
    Callback<void(int index, const QString &path)> onChange;

    void set(int index, const QString &path)
    {
        QString &slot = m_slots[index];
        if (slot == path)
            return;
        onChange.fire(index, path);
        slot = path;
    }

private:
    std::array<QString, Slots> m_slots;
};

} // namespace kirvano
