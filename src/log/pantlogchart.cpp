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
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save image"), QStringLiteral("Spending by month.png"),
                                        QStringLiteral("PNG images (*.png)"));
}

} // namespace

pantlogchart::pantlogchart(const SpendingByMonth& spending, const QString& scope, ui::Dialogs& dialogs, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Beside)
    , form_(std::make_unique<Ui::pantlogchart>())
    , dialogs_(dialogs)
    , chooser_(askFileName)
{
    form_->setupUi(this);
    form_->chartview->setRenderHint(QPainter::Antialiasing);
    buildChart(spending, scope);
    connect(form_->savecmd, &QPushButton::clicked, this, &pantlogchart::saveImage);
    connect(form_->quitcmd, &QPushButton::clicked, this, &QDialog::reject);
}

pantlogchart::~pantlogchart() = default;

QChart* pantlogchart::chart() const
{
    return form_->chartview->chart();
}

void pantlogchart::buildChart(const SpendingByMonth& spending, const QString& scope)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    // The view owns the new chart but lets go of the one it had (its own empty one).
    QChart* previous = form_->chartview->chart();
    form_->chartview->setChart(chart);
    delete previous;

    if (spending.months.empty()) {
        chart->setTitle(QStringLiteral("Nothing to chart yet: no dated entries are listed (%1)").arg(scope));
        form_->savecmd->setEnabled(false);
        return;
    }
    chart->setTitle(QStringLiteral("Spending by month, %1 \u2014 average per trip %2 (%3 trips)")
                        .arg(scope, dollars(spending.averagePerTrip()))
                        .arg(spending.trips));

    auto* net = new QBarSet(QStringLiteral("Net spent"));
    auto* coupons = new QBarSet(QStringLiteral("Coupon savings"));
    // Within one year the months are named alone and the year titles the axis.
    const int firstYear = spending.months.front().month.year();
    const int lastYear = spending.months.back().month.year();
    const QString monthFormat = firstYear == lastYear ? QStringLiteral("MMM") : QStringLiteral("MMM yy");
    QStringList months;
    const QLocale c = QLocale::c();
    for (const MonthSpending& m : spending.months) {
        net->append(m.net);
        coupons->append(m.coupons);
        months.append(c.toString(m.month, monthFormat));
    }
    auto* series = new QBarSeries;
    series->append(net);
    series->append(coupons);
    chart->addSeries(series);

    auto* monthAxis = new QBarCategoryAxis;
    monthAxis->append(months);
    monthAxis->setTitleText(firstYear == lastYear ? QString::number(firstYear)
                                                  : QStringLiteral("%1 \u2013 %2").arg(firstYear).arg(lastYear));
    if (months.size() > 12)
        monthAxis->setLabelsAngle(-90);
    chart->addAxis(monthAxis, Qt::AlignBottom);
    series->attachAxis(monthAxis);

    auto* moneyAxis = new QValueAxis;
    moneyAxis->setRange(0, spending.largestMonth() > 0 ? spending.largestMonth() * 1.1 : 1);
    moneyAxis->applyNiceNumbers();
    moneyAxis->setLabelFormat(QStringLiteral("$%.0f"));
    moneyAxis->setTitleText(QStringLiteral("Dollars"));
    chart->addAxis(moneyAxis, Qt::AlignLeft);
    series->attachAxis(moneyAxis);

    if (spending.undated > 0)
        form_->notelbl->setText(
            QStringLiteral("%1 entries have a date that cannot be read; they count in the average only.")
                .arg(spending.undated));
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
        dialogs_.tell(QStringLiteral("Saving the chart as %1 failed.").arg(name), ui::Title::application(),
                      ui::Icon::Critical);
        return;
    }
    if (const data::FileResult saved = data::replaceFileSafely(name, png); !saved)
        dialogs_.tell(saved.error, ui::Title::application(), ui::Icon::Critical);
}

} // namespace shoplog
