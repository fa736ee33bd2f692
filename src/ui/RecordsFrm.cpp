#include "ui/RecordsFrm.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <iterator>

#include "board/Board.h"

namespace {

QString ListTitle(const TRecordList &l)
{
    return QStringLiteral("%1 вилор, %2")
        .arg(PieceCount(CutTable[l.SizeIndex]))
        .arg(l.RotateEnabled ? QStringLiteral("с вращением") : QStringLiteral("без вращения"));
}

} // namespace

TRecordsFrm::TRecordsFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RecordsFrm"));
    setWindowTitle(QStringLiteral("Рекорды"));
    resize(340, 380);
    auto *lay = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    m_text = new QLabel(scroll);
    m_text->setTextFormat(Qt::RichText);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_text->setWordWrap(true);
    m_text->setMargin(8);
    scroll->setWidget(m_text);
    lay->addWidget(scroll);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    lay->addWidget(close);
}

void TRecordsFrm::SetRecords(const QString &pictureName, const std::vector<TRecordList> &lists)
{
    QString html = QStringLiteral("<h3>%1</h3>").arg(pictureName.toHtmlEscaped());
    if (lists.empty())
        html += QStringLiteral("<p>Рекордов пока нет: соберите эту картинку до конца.</p>");
    for (const TRecordList &l : lists) {
        if (l.SizeIndex < 1 || l.SizeIndex >= int(std::size(CutTable)))
            continue;
        html += QStringLiteral("<p><b>%1</b></p><table cellspacing=\"2\">").arg(ListTitle(l));
        for (size_t k = 0; k < l.Records.size(); ++k)
            html += QStringLiteral("<tr><td align=\"right\">%1.</td><td>&nbsp;%2&nbsp;&nbsp;</td><td>%3</td>"
                                   "<td>&nbsp;%4</td></tr>")
                        .arg(k + 1)
                        .arg(FormatGameTime(l.Records[k].Seconds))
                        .arg(l.Records[k].Date.toString(QStringLiteral("dd.MM.yyyy")))
                        .arg(l.Records[k].Hints > 0 ? HintsText(l.Records[k].Hints) : QString());
        html += QStringLiteral("</table>");
    }
    m_text->setText(html);
}

QString TRecordsFrm::Text() const { return m_text->text(); }
