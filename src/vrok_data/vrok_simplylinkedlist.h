#ifndef VROK_DATA_SIMPLYLINKEDLIST_H
#define VROK_DATA_SIMPLYLINKEDLIST_H

namespace vrok { namespace data { namespace structure { namespace linkedlist {

// A singly linked list that owns its elements (held by pointer) and its nodes. Append walks
// from the cursor, the node last appended or visited, so appending in a row is cheap.
template <typename T>
class CSimplyLinkedList
{
public:
    struct CNode
    {
        CNode* next;
        T* element;
    };

    CSimplyLinkedList() : m_head(nullptr), m_cursor(nullptr) {}
    CSimplyLinkedList(const CSimplyLinkedList&) = delete;
    CSimplyLinkedList& operator=(const CSimplyLinkedList&) = delete;
    virtual ~CSimplyLinkedList() { Clear(); }

    // Takes the element over and links it after the last node; it becomes the cursor.
    void Append(T* element)
    {
        CNode* node = new CNode{nullptr, element};
        if (m_head == nullptr)
        {
            m_head = node;
            m_cursor = node;
            return;
        }
        CNode* last = m_cursor != nullptr ? m_cursor : m_head;
        while (last->next != nullptr)
            last = last->next;
        last->next = node;
        m_cursor = node;
    }

    // Deletes every node and element.
    void Clear()
    {
        CNode* node = m_head;
        while (node != nullptr)
        {
            CNode* next = node->next;
            delete node->element;
            delete node;
            node = next;
        }
        m_head = nullptr;
        m_cursor = nullptr;
    }

    CNode* GetHead() const { return m_head; }

private:
    CNode* m_head;
    CNode* m_cursor;
};

}}}}

#endif
