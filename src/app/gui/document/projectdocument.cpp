#include "gui/document/projectdocument.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace velmora {

namespace {

// Edits of one field in a row become one step: typing a number is one edit, not one per key.
constexpr int FieldEditId = 1;

// The template and section lists compare with IsEqual, the other parts with ==.
template<class Part> bool SamePart(const Part &a, const Part &b)
{
    if constexpr (requires { a == b; })
        return a == b;
    else
        return a.IsEqual(b);
}

} // namespace

// One edit of one part of the project: the part before and after it, whole, so that undo
// gives back exactly what was there. Part is TDAT, TKlimatKoef, the template list, the section
// list or the line.
template<class Part> class PartCommand : public QUndoCommand
{
public:
    using Announce = void (ProjectDocument::*)();

    PartCommand(ProjectDocument *document, Part TProject::*member, Announce announce, Part before,
                Part after, const QString &text, int id = -1, QString mergeKey = {})
        : QUndoCommand(text)
        , m_document(document)
        , m_member(member)
        , m_announce(announce)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_id(id)
        , m_mergeKey(std::move(mergeKey))
    {
    }
    void undo() override { Apply(m_before); }
    void redo() override { Apply(m_after); }
    int id() const override { return m_id; }
    bool mergeWith(const QUndoCommand *other) override
    {
        // Only commands of the same id reach here (QUndoStack compares them first); edits of
        // another field are steps of their own.
        const auto *next = static_cast<const PartCommand *>(other);
        if (next->m_mergeKey != m_mergeKey)
            return false;
        m_after = next->m_after;
        // A merge back to the start undoes nothing: the step goes.
        setObsolete(SamePart(m_after, m_before));
        return true;
    }

private:
    void Apply(const Part &part)
    {
        m_document->m_project.*m_member = part;
        (m_document->*m_announce)();
    }

    ProjectDocument *m_document;
    Part TProject::*m_member;
    Announce m_announce;
    Part m_before, m_after;
    int m_id;
    QString m_mergeKey;
};

namespace {

template<class Part>
void PushPart(QUndoStack *stack, ProjectDocument *document, Part TProject::*member,
              typename PartCommand<Part>::Announce announce, const Part &before, const Part &after,
              const QString &text, int id = -1, const QString &mergeKey = {})
{
    if (SamePart(after, before))
        return;
    stack->push(
        new PartCommand<Part>(document, member, announce, before, after, text, id, mergeKey));
}

} // namespace

ProjectDocument::ProjectDocument(QObject *parent)
    : QObject(parent)
    , m_undo(new QUndoStack(this))
{
    m_project.SetDefaults();
    connect(m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

ProjectDocument::~ProjectDocument() = default;

bool ProjectDocument::IsModified() const
{
    return !m_undo->isClean();
}

void ProjectDocument::Replace(const TProject &project, const QString &fileName)
{
    // Cleared, the stack is clean (and says so when it was not).
    m_undo->clear();
    m_project.Assign(project);
    SetFileName(fileName);
    emit projectReplaced();
}

void ProjectDocument::MarkSaved(const QString &fileName)
{
    SetFileName(fileName);
    m_undo->setClean();
}

void ProjectDocument::SetFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

void ProjectDocument::EditFields(const TDAT &after, const QString &text, const QString &mergeKey)
{
    PushPart(m_undo, this, &TProject::Dat, &ProjectDocument::fieldsChanged, m_project.Dat, after,
             text, FieldEditId, mergeKey);
}

void ProjectDocument::EditCoefficients(const TKlimatKoef &after, const QString &text)
{
    PushPart(m_undo, this, &TProject::Koef, &ProjectDocument::coefficientsChanged, m_project.Koef,
             after, text);
}

void ProjectDocument::EditTemplates(const TShablonList &after, const QString &text)
{
    PushPart(m_undo, this, &TProject::Shablons, &ProjectDocument::templatesChanged,
             m_project.Shablons, after, text);
}

void ProjectDocument::EditSections(const TSectionList &after, const QString &text)
{
    PushPart(m_undo, this, &TProject::Sections, &ProjectDocument::sectionsChanged,
             m_project.Sections, after, text);
}

void ProjectDocument::EditLine(const LineProfile &after, const QString &text)
{
    PushPart(m_undo, this, &TProject::Line, &ProjectDocument::lineChanged, m_project.Line, after,
             text);
}

void ProjectDocument::SectionsEditedInPlace(const TSectionList &before, const QString &text)
{
    PushPart(m_undo, this, &TProject::Sections, &ProjectDocument::sectionsChanged, before,
             m_project.Sections, text);
}

void ProjectDocument::LineEditedInPlace(const LineProfile &before, const QString &text)
{
    PushPart(m_undo, this, &TProject::Line, &ProjectDocument::lineChanged, before, m_project.Line,
             text);
}

} // namespace velmora
