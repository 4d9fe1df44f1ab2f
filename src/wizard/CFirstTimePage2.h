#pragma once

#include "wizard/FirstTimeWizardPage.h"

class FullRowListView;

// Last page of the first-run wizard: the lessons a test may qualify for, each with the
// letters used up to it and its limits. Picking one makes it the wizard's chosen lesson
// and turns the way on into "Testen" (or Cancel) alone.
class CFirstTimePage2 : public FirstTimeWizardPage
{
    Q_OBJECT

public:
    // Headings and widths of the list's columns.
    static constexpr const char* kLettersHeading = "Buchstaben, die im Text verwendet wurden.";
    static constexpr const char* kErrorHeading = "Fehlerquote in Prozent";
    static constexpr const char* kSpeedHeading = "Anschläge pro Min.";
    static constexpr int kLettersWidth = 150;
    static constexpr int kLimitWidth = 100;

    explicit CFirstTimePage2(CFirstTimeWizard& sheet);

    bool isComplete() const override;

    // Whether a lesson has been picked since the page was shown.
    bool HasChoice() const { return m_picked; }
    // Selects the row as a click would; ignored outside the list.
    void Choose(int row);

    FullRowListView* LessonList() const { return m_list; }

protected:
    void OnInitDialog() override;
    void OnSetActive() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillList();
    void FitColumns();
    void OnSelectionChanged();

    FullRowListView* m_list;
    int m_lettersWidth = kLettersWidth;
    bool m_picked = false;
};
