#ifndef VROK_DATA_DOUBLYLINKEDLIST_H
#define VROK_DATA_DOUBLYLINKEDLIST_H

#include <new>

namespace vrok { namespace data { namespace structure { namespace linkedlist {

// A doubly linked list that owns its elements, each held by pointer on the heap. A cursor
// marks the current node: Add links the new node after it and moves to it, so adding while the
// cursor is on the last node appends.
template <typename T>
class CDoublyLinkedList
{
public:
    struct CNode
    {
        CNode* next;
        CNode* previous;
        T* element;
    };

    CDoublyLinkedList() : m_first(nullptr), m_cursor(nullptr), m_last(nullptr), m_count(0) {}
    CDoublyLinkedList(const CDoublyLinkedList&) = delete;
    CDoublyLinkedList& operator=(const CDoublyLinkedList&) = delete;
    virtual ~CDoublyLinkedList() { Clear(); }

    // Takes ownership of the element. When no node can be allocated the element is deleted,
    // the list stays as it was, and the result is false.
    bool Add(T* element)
    {
        CNode* node = new (std::nothrow) CNode{nullptr, nullptr, element};
        if (!node) {
            delete element;
            return false;
        }
        if (!m_cursor) {
            // Empty list, or a cursor moved off the list: the node goes at the end.
            node->previous = m_last;
            if (m_last)
                m_last->next = node;
            else
                m_first = node;
            m_last = node;
        } else {
            node->previous = m_cursor;
            node->next = m_cursor->next;
            if (m_cursor->next)
                m_cursor->next->previous = node;
            else
                m_last = node;
            m_cursor->next = node;
        }
        m_cursor = node;
        ++m_count;
        return true;
    }

    // Destroys every node and every element.
    void Clear()
    {
        CNode* node = m_first;
        while (node) {
            CNode* next = node->next;
            delete node->element;
            delete node;
            node = next;
        }
        m_first = m_cursor = m_last = nullptr;
        m_count = 0;
    }

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_first == nullptr; }

    // Moves the cursor to the first node and returns its element (null on an empty list).
    T* MoveFirst()
    {
        m_cursor = m_first;
        return Current();
    }

    // Moves the cursor to the next node and returns its element (null past the last node).
    T* MoveNext()
    {
        if (m_cursor)
            m_cursor = m_cursor->next;
        return Current();
    }

    T* Current() const { return m_cursor ? m_cursor->element : nullptr; }

protected:
    CNode* m_first;
    CNode* m_cursor;
    CNode* m_last;
    int m_count;
};

}}}}

#endif
