#include "pantlog1.h"

#include "LogListModel.h"
#include "LogPrintout.h"
#include "SpendingByMonth.h"
#include "data/FixedField.h"
#include "pantlogadd.h"
#include "pantlogchart.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/PrintJob.h"
#include "ui_pantlog1.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace shoplog {

using data::LogRecord;

namespace {

const char* const kNothingSelected = QT_TRANSLATE_NOOP("shoplog::pantlog1", "No item selected");

// The comment of an entry as a label shows it: a field never written shows nothing.
QString commentOf(const LogRecord& entry)
{
    const QString stored = entry.get(LogRecord::comment);
    return data::isBlankOrUnwritten(stored) ? QString() : data::trimBlanks(stored);
}

} // namespace

pantlog1::pantlog1(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Modal)
    , form_(std::make_unique<Ui::pantlog1>())
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
    , model_(new LogListModel(this))
{
    form_->setupUi(this);
    // It holds the whole log's lines: closed, it goes, and the memory with it.
    setAttribute(Qt::WA_DeleteOnClose);
    // The columns of the lines line up only in a fixed-pitch face.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    form_->List1->setFont(fixed);
    for (QLabel* caption : {form_->Label1, form_->Label2, form_->Label3, form_->Label4, form_->Label5}) {
        caption->setFont(fixed);
        caption->adjustSize();
    }
    // The captions are placed by hand over their columns: their row is as tall as they are.
    form_->captions->setMinimumHeight(form_->Label1->height());
    form_->List1->setModel(model_);

    connect(form_->List1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    lineClicked(current.row());
            });
    connect(form_->List1, &QListView::doubleClicked, this, &pantlog1::editEntry);
    connect(form_->List1->horizontalScrollBar(), &QScrollBar::valueChanged, this, &pantlog1::placeCaptions);
    connect(form_->editcmd, &QPushButton::clicked, this, &pantlog1::editEntry);
    connect(form_->limitopt, &QPushButton::clicked, this, &pantlog1::restrictOrRestore);
    connect(form_->printcmd, &QPushButton::clicked, this, &pantlog1::printLog);
    connect(form_->chartcmd, &QPushButton::clicked, this, &pantlog1::showChart);
    connect(form_->quitcmd, &QPushButton::clicked, this, &QDialog::reject);

    dialogs_.reportFailure(state_.file.open(kLogFile));
    makelist();
}

pantlog1::~pantlog1()
{
    // What the lines took is given back once the window is at rest, as after long work.
    ui::BusyCursor::longWorkEnded() = true;
}

pantlogadd* pantlog1::editor() const
{
    return editor_;
}

pantlogchart* pantlog1::chart() const
{
    return chart_;
}

void pantlog1::makelist()
{
    // Read and ordered on a second thread while the windows paint: only log commands touch
    // the log, and they wait for input.
    showLines(ui::whileBusy([&file = std::as_const(state_.file), restriction = state_.restriction] {
        return buildLogView(file.readAll(), restriction);
    }));
}

void pantlog1::showLines(LogView view)
{
    model_->setLines(std::move(view.lines));
    view_ = std::move(view);
    view_.lines.clear(); // the model keeps them
    const LogFigures figures = LogView{model_->lines(), view_.couponSum, view_.netSum}.figures();
    form_->coupontot->setText(figures.coupontot);
    form_->nettot->setText(figures.nettot);
    form_->couponavg->setText(figures.couponavg);
    form_->netavg->setText(figures.netavg);
}

void pantlog1::lineClicked(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    state_.current = model_->recordAt(row);
    form_->commentlbl->setText(commentOf(state_.file.read(state_.current)));
}

std::vector<int> pantlog1::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : form_->List1->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void pantlog1::editEntry()
{
    if (model_->rowCount() == 0)
        return;
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        dialogs_.tell(tr(kNothingSelected), ui::Title::none());
        return;
    }
    if (!form_->List1->currentIndex().isValid())
        lineClicked(rows.front());
    state_.editRequested = true;
    ui::openFresh(editor_, state_, dialogs_, this);
    connect(editor_, &QDialog::finished, this, &pantlog1::HandleActivation);
}

void pantlog1::restrictOrRestore()
{
    if (state_.restriction.active()) {
        state_.restriction = {};
        form_->limitopt->setText(tr("Restrict List"));
        form_->limitopt->setToolTip(tr(" See entries only for the list you have highlighted above "));
        makelist();
        return;
    }
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        dialogs_.tell(tr(kNothingSelected), ui::Title::none());
        return;
    }
    form_->limitopt->setText(tr("Restore List"));
    if (rows.size() == 1) {
        const LogRecord entry = state_.file.read(model_->recordAt(rows.front()));
        state_.restriction = {Restriction::Kind::List, entry.text(LogRecord::listname)};
        makelist();
        form_->limitopt->setToolTip(QString());
        return;
    }
    state_.restriction = {Restriction::Kind::Picked, {}};
    showLines(pickLines(state_.file.readAll(), model_->lines(), rows));
}

void pantlog1::printLog()
{
    const LogFigures shown{form_->coupontot->text(), form_->nettot->text(), form_->couponavg->text(),
                           form_->netavg->text()};
    // The log is read there too: only log commands touch it, and they wait for input.
    const ui::PrintDocument doc = ui::whileBusy([&file = std::as_const(state_.file), today = QDate::currentDate(),
                                                 shown] { return logPrintout(file.readAll(), today, shown); });
    ui::printDocument(printer_, dialogs_, desktop_, doc);
}

void pantlog1::showChart()
{
    std::vector<int> entries;
    entries.reserve(model_->lines().size());
    for (const LogLine& line : model_->lines())
        entries.push_back(line.record);
    QString scope = tr("all lists");
    if (state_.restriction.kind == Restriction::Kind::List)
        scope = state_.restriction.list;
    else if (state_.restriction.kind == Restriction::Kind::Picked)
        scope = tr("selected entries");
    ui::openFresh(chart_, spendingByMonth(state_.file.readAll(), entries, QDate::currentDate()), scope, dialogs_, this);
}

void pantlog1::HandleActivation()
{
    if (!state_.refreshNeeded)
        return;
    state_.refreshNeeded = false;
    state_.editRequested = false;
    makelist();
    if (model_->rowCount() == 0) {
        state_.current = 0;
        form_->commentlbl->clear();
        return;
    }
    const QModelIndex first = model_->index(0);
    form_->List1->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    lineClicked(0);
}

void pantlog1::reject()
{
    // The chart belongs to this window and goes with it.
    if (chart_)
        chart_->hide();
    ui::SecondaryWindow::reject();
}

void pantlog1::placeCaptions()
{
    // Each caption stands over its column of the fixed-pitch lines.
    // "Entry Date" starts one column early so that it keeps a blank before "Coupons".
    static constexpr int columns[] = {0, 20, 31, 39, 49};
    const QFontMetrics metrics(form_->List1->font());
    const int left = form_->List1->x() - form_->captions->x() + form_->List1->frameWidth() +
                     style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, form_->List1) + 1 -
                     form_->List1->horizontalScrollBar()->value();
    QLabel* labels[] = {form_->Label1, form_->Label2, form_->Label3, form_->Label4, form_->Label5};
    for (int i = 0; i < 5; ++i)
        labels[i]->move(left + columns[i] * metrics.horizontalAdvance(u'0'), 0);
}

void pantlog1::changeEvent(QEvent* event)
{
    ui::SecondaryWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        HandleActivation();
}

void pantlog1::showEvent(QShowEvent* event)
{
    ui::SecondaryWindow::showEvent(event);
    // The list's place is known only once the layout has run.
    QTimer::singleShot(0, this, &pantlog1::placeCaptions);
}

} // namespace shoplog
