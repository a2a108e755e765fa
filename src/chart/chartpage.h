#pragma once

#include "chart/ancestorslots.h"
#include "chart/chartpageui.h"
#include "model/session.h"

#include <QWidget>

#include <memory>

class QPrinter;

namespace kinrow {

class Prompts;
class SessionButtons;

// The ancestor chart page: four generations of ancestors of the chart person with spouses,
// children and picture, walked by clicking, and printed on one landscape A4 sheet.
class ChartPage : public QWidget, private ChartPageUi
{
    Q_OBJECT
public:
    ChartPage(Session& session, Prompts& prompts, QWidget* parent = nullptr);
    ~ChartPage() override;

    // Fills the whole page for record recNo, which becomes the chart person.
    void FillTreeChart(qint32 recNo);
    // Shows the current picture of person recNo in Panel_T.
    void ShowPicture(qint32 recNo);

    // A click on an ancestor slot: that person becomes the chart person.
    void Lb_T_Click(int slot);
    void Lb_T_MouseEnter();
    void ListBox_T_EsiClick();
    void ListBox_T_CocuklariClick();
    void ListBox_T_DblClick(ChartListBox* list, const QList<ChartListItem>& items);
    void SB_T_YazdirClick();

    // The record the chart shows in Lb_T_Main, 0 before the first fill.
    qint32 chartPerson() const { return chart_.recNo(1); }
    const AncestorChart& chart() const { return chart_; }

    // Height of one entry of the two lists, following the window's width.
    void setListItemHeight(int height);

Q_SIGNALS:
    // SB_T_Back: back to the person page as it was.
    void backRequested();
    // Lb_T_Main or SB_T_Main: the chart person is to become the current record.
    void mainPersonRequested();

private:
    void connectControls();
    void resetLabels();
    void fillList(ChartListBox* list, const QList<ChartListItem>& items);
    void showSlot(int slot);
    QString personPageTitle() const;
    QPrinter& printer();
    QString defaultPdfPath() const;

    Session& session_;
    Prompts& prompts_;
    SessionButtons* buttons_ = nullptr;
    AncestorChart chart_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace kinrow
