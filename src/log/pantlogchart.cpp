#include "pantlogchart.h"

#include "data/FileOps.h"
#include "data/Numbers.h"
#include "ui/Dialogs.h"
#include "ui_pantlogchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLocale>
#include <QValueAxis>

namespace shoplog {

namespace {

QString dollars(double value)
{
    return data::formatPattern(value, u"$###.00");
}

QString askFileName(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("shoplog::pantlogchart", "Save image"),
                                        QCoreApplication::translate("shoplog::pantlogchart", "Spending by month.png"),
                                        QCoreApplication::translate("shoplog::pantlogchart", "PNG images (*.png)"));
}

} // namespace

pantlogchart::pantlogchart(const SpendingByMonth& spending, const QString& scope, ui::Dialogs& dialogs, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Beside)
    , form_(std::make_unique<Ui::pantlogchart>())
    , spending_(spending)
    , scope_(scope)
    , dialogs_(dialogs)
    , chooser_(askFileName)
{
    form_->setupUi(this);
    form_->chartview->setRenderHint(QPainter::Antialiasing);
    if (spending_.byYear()) {
        form_->yearcombo->addItem(tr("All years"), 0);
        for (const MonthSpending& year : spending_.years())
            form_->yearcombo->addItem(QString::number(year.month.year()), year.month.year());
        form_->yearcombo->setVisible(true);
    }
    buildChart();
    form_->notelbl->setText(leftOutNote(spending_));
    connect(form_->yearcombo, &QComboBox::currentIndexChanged, this, &pantlogchart::buildChart);
    connect(form_->savecmd, &QPushButton::clicked, this, &pantlogchart::saveImage);
    connect(form_->quitcmd, &QPushButton::clicked, this, &QDialog::reject);
}

pantlogchart::~pantlogchart() = default;

QChart* pantlogchart::chart() const
{
    return form_->chartview->chart();
}

void pantlogchart::buildChart()
{
    auto* chart = new QChart;
    // The chart follows the window's theme: a white block in a dark desktop would glare.
    const bool dark = palette().color(QPalette::Window).lightness() < palette().color(QPalette::WindowText).lightness();
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    // The view owns the new chart but lets go of the one it had (its own empty one).
    QChart* previous = form_->chartview->chart();
    form_->chartview->setChart(chart);
    delete previous;

    if (spending_.months.empty()) {
        chart->setTitle(tr("Nothing to chart yet: no dated entries are listed (%1)").arg(scope_));
        form_->savecmd->setEnabled(false);
        return;
    }
    const int year = form_->yearcombo->currentData().toInt();
    const bool years = spending_.byYear() && year == 0;
    chart->setTitle(tr("Spending by %1, %2 \u2014 average per trip %3 (%4 trips)")
                        .arg(years ? tr("year") : tr("month"), scope_, dollars(spending_.averagePerTrip()))
                        .arg(spending_.trips));

    const std::vector<MonthSpending> periods =
        years ? spending_.years() : (year != 0 ? spending_.monthsOf(year) : spending_.months);
    const int firstYear = periods.front().month.year();
    const int lastYear = periods.back().month.year();
    // Within one year the months are named alone and the year titles the axis.
    const QString format = years                   ? QStringLiteral("yyyy")
                           : firstYear == lastYear ? QStringLiteral("MMM")
                                                   : QStringLiteral("MMM yy");
    auto* net = new QBarSet(tr("Net spent"));
    auto* coupons = new QBarSet(tr("Coupon savings"));
    QStringList labels;
    const QLocale c = QLocale::c();
    for (const MonthSpending& m : periods) {
        net->append(m.net);
        coupons->append(m.coupons);
        labels.append(c.toString(m.month, format));
    }
    auto* series = new QBarSeries;
    series->append(net);
    series->append(coupons);
    chart->addSeries(series);

    auto* periodAxis = new QBarCategoryAxis;
    periodAxis->append(labels);
    periodAxis->setTitleText(firstYear == lastYear ? QString::number(firstYear)
                                                   : QStringLiteral("%1 \u2013 %2").arg(firstYear).arg(lastYear));
    // Upright labels side by side need room that many bars do not leave.
    if (labels.size() > 12)
        periodAxis->setLabelsAngle(-90);
    chart->addAxis(periodAxis, Qt::AlignBottom);
    series->attachAxis(periodAxis);

    auto* moneyAxis = new QValueAxis;
    const double largest = largestOf(periods);
    moneyAxis->setRange(0, largest > 0 ? largest * 1.1 : 1);
    moneyAxis->applyNiceNumbers();
    moneyAxis->setLabelFormat(QStringLiteral("$%.0f"));
    moneyAxis->setTitleText(tr("Dollars"));
    chart->addAxis(moneyAxis, Qt::AlignLeft);
    series->attachAxis(moneyAxis);
}

void pantlogchart::saveImage()
{
    QString name = chooser_(this);
    if (name.isEmpty())
        return;
    if (!name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        name += QStringLiteral(".png");
    // The picture is made in memory and written beside the old one, which it replaces only
    // once it is whole on the disk: a full disk or a crash keeps the old picture.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !form_->chartview->grab().save(&buffer, "PNG")) {
        dialogs_.tell(tr("Saving the chart as %1 failed.").arg(name), ui::Title::application(), ui::Icon::Critical);
        return;
    }
    if (const data::FileResult saved = data::replaceFileSafely(name, png); !saved)
        dialogs_.tell(saved.error, ui::Title::application(), ui::Icon::Critical);
}

} // namespace shoplog
