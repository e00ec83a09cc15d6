#include "editor/PageListModel.h"

namespace kakitori {

namespace {

const QString kDefaultHeading = QStringLiteral("れんしゅう");

} // namespace

void PageListModel::setEntries(const QStringList& headings)
{
    m_state.pageListEntries = headings;
    m_state.pageListText.clear();
    m_state.pageListColour = PageListColour::White;
    m_state.registrationVisible = false;
    m_state.headingLabel = kNoHeading;
    m_state.editingIndicatorVisible = false;
    m_workingPage = -1;
    m_pageShown = false;
    m_blankPending = false;
}

void PageListModel::clear()
{
    setEntries({});
}

void PageListModel::showPage(int index, const QString& heading)
{
    m_workingPage = index;
    m_pageShown = true;
    m_blankPending = false;
    m_state.registrationVisible = false;
    m_state.headingLabel = heading;
    m_state.pageListText = heading;
    m_state.editingIndicatorVisible = true;
}

void PageListModel::startBlankPage(int pageNumber)
{
    m_state.pageListColour = PageListColour::Yellow;
    m_state.registrationVisible = true;
    m_state.registrationEnabled = true;
    m_state.registrationCaption = QStringLiteral("見出し登録");
    m_state.pageListEnabled = true;
    m_state.pageListText.clear();
    m_state.headingLabel = kNoHeading;
    m_state.editingIndicatorVisible = false;
    m_workingPage = pageNumber - 1;
    m_pageShown = false;
    m_blankPending = true;
}

QString PageListModel::headingToRegister() const
{
    return m_state.pageListText.isEmpty() ? kDefaultHeading : m_state.pageListText;
}

void PageListModel::registered(int index, const QStringList& headings, bool fromButton)
{
    m_state.pageListText = headingToRegister();
    m_state.pageListEntries = headings;
    if (fromButton) {
        m_state.registrationEnabled = false;
        m_state.registrationCaption = QStringLiteral("登録済み");
    } else {
        m_state.registrationVisible = false;
    }
    m_state.headingLabel = m_state.pageListText;
    m_state.pageListColour = PageListColour::White;
    m_state.editingIndicatorVisible = true;
    m_workingPage = index;
    m_blankPending = false;
    m_pageShown = true;
}

void PageListModel::setBatchMark(bool on)
{
    m_state.pageListColour = on ? PageListColour::Green : PageListColour::White;
}

void PageListModel::setEditingIndicator(const QString& text)
{
    m_state.editingIndicator = text;
}

} // namespace kakitori
