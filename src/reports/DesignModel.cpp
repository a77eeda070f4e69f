#include "reports/DesignModel.h"

#include "data/Exceptions.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr size_t UndoDepth = 100;
constexpr double MinSize = 1;
} // namespace

TDesignModel::TDesignModel(const TReportTemplate &report) : m_report(report) {}

void TDesignModel::SetTemplate(const TReportTemplate &report)
{
    m_report = report;
    m_undo.clear();
    m_redo.clear();
    m_modified = false;
    if (OnChanged)
        OnChanged();
}

double TDesignModel::Snap(double value) const
{
    if (!SnapToGrid || Grid <= 0)
        return value;
    return std::round(value / Grid) * Grid;
}

bool TDesignModel::Contains(const TObjectRef &ref) const
{
    return ref.Band >= 0 && ref.Band < m_report.Bands.size() && ref.Index >= 0
        && ref.Index < m_report.Bands[ref.Band].Objects.size();
}

const TReportObject &TDesignModel::Object(const TObjectRef &ref) const
{
    if (!Contains(ref))
        throw EConvertError(QStringLiteral("报表对象不存在"));
    return m_report.Bands[ref.Band].Objects[ref.Index];
}

TReportObject &TDesignModel::At(const TObjectRef &ref)
{
    if (!Contains(ref))
        throw EConvertError(QStringLiteral("报表对象不存在"));
    return m_report.Bands[ref.Band].Objects[ref.Index];
}

void TDesignModel::KeepInBand(TReportObject &o, const TReportBand &band) const
{
    const double width = m_report.Page.ClientWidth();
    o.Rect.setWidth(std::clamp(o.Rect.width(), o.Kind == TObjectKind::Line ? 0.0 : MinSize,
                               width));
    o.Rect.setHeight(std::clamp(o.Rect.height(), o.Kind == TObjectKind::Line ? 0.0 : MinSize,
                                std::max(band.Height, MinSize)));
    o.Rect.moveLeft(std::clamp(o.Rect.left(), 0.0, width - o.Rect.width()));
    o.Rect.moveTop(std::clamp(o.Rect.top(), 0.0, std::max(0.0, band.Height - o.Rect.height())));
}

void TDesignModel::Change()
{
    m_undo.push_back(m_report);
    if (m_undo.size() > UndoDepth)
        m_undo.erase(m_undo.begin());
    m_redo.clear();
}

void TDesignModel::Changed()
{
    m_modified = true;
    if (OnChanged)
        OnChanged();
}

TObjectRef TDesignModel::AddObject(int band, TReportObject object)
{
    if (band < 0 || band >= m_report.Bands.size())
        throw EConvertError(QStringLiteral("请先选择一个栏"));
    Change();
    object.Rect = QRectF(Snap(object.Rect.x()), Snap(object.Rect.y()), Snap(object.Rect.width()),
                         Snap(object.Rect.height()));
    TReportBand &b = m_report.Bands[band];
    KeepInBand(object, b);
    b.Objects.append(object);
    Changed();
    return {band, int(b.Objects.size()) - 1};
}

void TDesignModel::MoveObject(const TObjectRef &ref, double dx, double dy)
{
    const QRectF r = Object(ref).Rect;
    MoveObjectTo(ref, r.topLeft() + QPointF(dx, dy));
}

void TDesignModel::MoveObjectTo(const TObjectRef &ref, const QPointF &topLeft)
{
    TReportObject o = Object(ref);
    o.Rect.moveTopLeft(QPointF(Snap(topLeft.x()), Snap(topLeft.y())));
    KeepInBand(o, m_report.Bands[ref.Band]);
    if (o == Object(ref))
        return;
    Change();
    At(ref) = o;
    Changed();
}

void TDesignModel::ResizeObject(const TObjectRef &ref, double width, double height)
{
    TReportObject o = Object(ref);
    o.Rect.setSize(QSizeF(Snap(width), Snap(height)));
    KeepInBand(o, m_report.Bands[ref.Band]);
    if (o == Object(ref))
        return;
    Change();
    At(ref) = o;
    Changed();
}

void TDesignModel::SetObject(const TObjectRef &ref, const TReportObject &object)
{
    if (object == Object(ref))
        return;
    Change();
    At(ref) = object;
    KeepInBand(At(ref), m_report.Bands[ref.Band]);
    Changed();
}

void TDesignModel::DeleteObject(const TObjectRef &ref)
{
    Object(ref);
    Change();
    m_report.Bands[ref.Band].Objects.removeAt(ref.Index);
    Changed();
}

int TDesignModel::AddBand(TBandKind kind)
{
    if (m_report.FindBand(kind))
        return int(m_report.FindBand(kind) - m_report.Bands.data());
    Change();
    m_report.EnsureBand(kind);
    Changed();
    return int(m_report.FindBand(kind) - m_report.Bands.data());
}

void TDesignModel::SetBandHeight(int band, double height)
{
    const double h = std::max(Snap(height), 2.0);
    if (band < 0 || band >= m_report.Bands.size() || m_report.Bands[band].Height == h)
        return;
    Change();
    m_report.Bands[band].Height = h;
    Changed();
}

void TDesignModel::DeleteBand(int band)
{
    if (band < 0 || band >= m_report.Bands.size())
        return;
    Change();
    m_report.Bands.removeAt(band);
    Changed();
}

void TDesignModel::SetPage(const TPageSettings &page)
{
    if (page == m_report.Page)
        return;
    Change();
    m_report.Page = page;
    Changed();
}

void TDesignModel::Copy(const TObjectRef &ref) { m_clipboard = Object(ref); }

TObjectRef TDesignModel::Paste(int band)
{
    if (!m_clipboard)
        return {};
    TReportObject o = *m_clipboard;
    o.Rect.translate(Grid * 2, Grid * 2);
    return AddObject(band, o);
}

void TDesignModel::Undo()
{
    if (m_undo.empty())
        return;
    m_redo.push_back(m_report);
    m_report = m_undo.back();
    m_undo.pop_back();
    Changed();
}

void TDesignModel::Redo()
{
    if (m_redo.empty())
        return;
    m_undo.push_back(m_report);
    m_report = m_redo.back();
    m_redo.pop_back();
    Changed();
}
