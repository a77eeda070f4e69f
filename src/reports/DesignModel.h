#pragma once

#include "reports/ReportTemplate.h"

#include <functional>
#include <optional>
#include <vector>

// An object of a template in the designer: the band's index and the object's index on it.
struct TObjectRef
{
    int Band = -1;
    int Index = -1;
    bool Valid() const { return Band >= 0 && Index >= 0; }
    bool operator==(const TObjectRef &o) const = default;
};

// What the designer edits, without the mouse: objects are added, moved, resized, changed,
// copied and deleted here, positions snap to the grid, and every change can be undone.
class TDesignModel
{
public:
    explicit TDesignModel(const TReportTemplate &report = TReportTemplate());

    const TReportTemplate &Template() const { return m_report; }
    void SetTemplate(const TReportTemplate &report);   // also forgets the undo history
    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    double Grid = 1;            // millimetres
    bool SnapToGrid = true;
    double Snap(double value) const;

    const TReportObject &Object(const TObjectRef &ref) const;
    bool Contains(const TObjectRef &ref) const;

    TObjectRef AddObject(int band, TReportObject object);
    void MoveObject(const TObjectRef &ref, double dx, double dy);
    // Sets the top left corner (dragging with the mouse).
    void MoveObjectTo(const TObjectRef &ref, const QPointF &topLeft);
    void ResizeObject(const TObjectRef &ref, double width, double height);
    void SetObject(const TObjectRef &ref, const TReportObject &object);
    void DeleteObject(const TObjectRef &ref);
    int AddBand(TBandKind kind);            // the band's index (existing or new)
    void SetBandHeight(int band, double height);
    void DeleteBand(int band);
    void SetPage(const TPageSettings &page);

    void Copy(const TObjectRef &ref);
    bool CanPaste() const { return m_clipboard.has_value(); }
    // A copy of the copied object, a few millimetres lower right, on that band.
    TObjectRef Paste(int band);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    void Undo();
    void Redo();

    std::function<void()> OnChanged;

private:
    void Change();              // before a change: remember the template for undo
    void Changed();
    TReportObject &At(const TObjectRef &ref);
    void KeepInBand(TReportObject &o, const TReportBand &band) const;

    TReportTemplate m_report;
    std::vector<TReportTemplate> m_undo;
    std::vector<TReportTemplate> m_redo;
    std::optional<TReportObject> m_clipboard;
    bool m_modified = false;
};
