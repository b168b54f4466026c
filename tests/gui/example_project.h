#pragma once

// The projects the window tests start from, put into the program the way a user gets them:
// through the project document, its undo stack empty and clean.

#include "catalogue/catalogue.h"
#include "data/projectfile.h"
#include "example_wire.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "guitest.h"

#include <QString>

#include <string>

namespace velmora::test {

// The shipped example, read as a new project (no file name) into main's document, with its
// wire, the shipped AC 70/11, as the whole catalogue.
inline void OpenShippedExampleAsNew(TFormMain &main)
{
    Program().Catalogue().Clear();
    Program().Catalogue().Add(ShippedAc70Wire());
    TProject example;
    example.SetDefaults();
    LoadProject(std::string(VELMORA_SOURCE_DIR) + "/share/examples/example.vlp", example);
    main.Document().Replace(example, QString());
}

// A project with the defaults in document, its wire the example wire, which is the whole
// catalogue (a drawing needs the project's wire in the catalogue).
inline void StartWithTheExampleWire(ProjectDocument &document)
{
    TProject fresh;
    fresh.SetDefaults();
    fresh.Dat.Provod = ExampleWire().Name;
    document.Replace(fresh, QString());
    Program().Catalogue().Clear();
    Program().Catalogue().Add(ExampleWire());
}

} // namespace velmora::test
