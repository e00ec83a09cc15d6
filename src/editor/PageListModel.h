#pragma once

#include "editor/EditorState.h"

namespace kakitori {

// The page list and the headings: which page the grid shows (or which index a blank page will
// get), the heading label, the registration of a blank page's heading, the editing indicator
// and the batch mark (the list's green).
class PageListModel {
public:
    explicit PageListModel(PageListState& state) : m_state(state) {}

    int workingPage() const { return m_workingPage; }
    // A page of the problem is in the grid and editable.
    bool pageShown() const { return m_pageShown; }
    // A blank page waits for its heading.
    bool blankPending() const { return m_blankPending; }

    // A problem was opened or started: its headings, nothing chosen yet.
    void setEntries(const QStringList& headings);
    void clear();

    void showPage(int index, const QString& heading);
    // A blank page at pageNumber waits for its heading; the list turns yellow.
    void startBlankPage(int pageNumber);
    // The pending page joined the problem at index under the list's text (or the default).
    void registered(int index, const QStringList& headings, bool fromButton);
    // The heading a registration will give: the list's text, or the default for none.
    QString headingToRegister() const;
    void setText(const QString& text) { m_state.pageListText = text; }

    bool batchMarked() const { return m_state.pageListColour == PageListColour::Green; }
    void setBatchMark(bool on);

    void setEditingIndicator(const QString& text);

private:
    PageListState& m_state;
    int m_workingPage = -1;
    bool m_pageShown = false;
    bool m_blankPending = false;
};

} // namespace kakitori
