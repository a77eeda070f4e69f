#pragma once

#include "reports/DesignModel.h"
#include "reports/ReportData.h"
#include "shell/ui/aFrm.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QToolBar;
class QTreeWidget;
class TDesignCanvas;
class TRep;

// The template designer: the data sets' fields and the variables on the left to drag onto
// the bands, the page in the middle, the selected object's properties on the right.
class TReportDesignerFrm : public TaFrm
{
    Q_OBJECT
public:
    explicit TReportDesignerFrm(TRep &rep, QWidget *parent = nullptr);

    TDesignModel &Model() { return m_model; }
    TDesignCanvas *Canvas() const { return m_canvas; }
    QTreeWidget *FieldTree() const { return m_fields; }

    // The designer's hooks: save into the report table, save as / open a template file.
    void Save();
    bool SaveAs(const QString &fileName);
    bool OpenFile(const QString &fileName);
    void ShowPreview();
    // Closing asks to save a modified template.
    void reject() override;
    // A new object of that kind on the selected band (the first band when none).
    TObjectRef AddObject(TObjectKind kind, const QString &text = QString());

private:
    void BuildToolBar();
    QWidget *BuildFieldTree();
    QWidget *BuildProperties();
    void ModelChanged();
    void SelectionChanged();
    void PropertyEdited();
    void BandHeightEdited();
    void PageEdited();
    int TargetBand() const;

    TRep &m_rep;
    // The print site's data and variables for what the page shows at design time, apart
    // from the context that previews run to the end of the data.
    TReportContext m_designContext;
    TDesignModel m_model;
    TDesignCanvas *m_canvas = nullptr;
    QToolBar *m_toolBar = nullptr;
    QTreeWidget *m_fields = nullptr;
    bool m_loading = false;
    QLineEdit *m_text = nullptr;
    QDoubleSpinBox *m_x = nullptr, *m_y = nullptr, *m_w = nullptr, *m_h = nullptr;
    QDoubleSpinBox *m_fontSize = nullptr;
    QDoubleSpinBox *m_bandHeight = nullptr;
    QCheckBox *m_bold = nullptr, *m_frame = nullptr, *m_wrap = nullptr, *m_stretch = nullptr;
    QComboBox *m_align = nullptr, *m_format = nullptr, *m_barcode = nullptr;
    QWidget *m_objectBox = nullptr;
    QComboBox *m_paper = nullptr;
    QCheckBox *m_landscape = nullptr;
    QDoubleSpinBox *m_marginLeft = nullptr, *m_marginTop = nullptr;
};
