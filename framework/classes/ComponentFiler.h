#pragma once
// Reading stored layouts into components and writing components back, over
// the published tables of Published.h, in text (LayoutText.h) or binary
// (ComponentStream.h) form.
//
// Loading protocol:
//  - the root is the instance given, already constructed; every other object
//    of the layout is created with its constructor defaults, owned by the
//    root, named, bound to the root's published field of that name and
//    attached to the enclosing object (SetParentComponent: a control nested
//    in a windowed control becomes its child);
//  - each component is flagged csLoading and csReading before its first
//    property; only the properties the layout names are applied, in their
//    order (an absent one keeps its constructor value);
//  - once a component's properties and children are read, csReading is
//    cleared and its class's AfterReading step runs (a control takes its
//    parent's font and colour there), then its EndReading (a windowed
//    control aligns its children there, once for the whole read);
//  - handlers named in events bind to the root's published methods once the
//    rest of their component is read (so none runs while the form is built),
//    as do properties marked AppliedLast (an item index after the items);
//    component references are fixed up after the whole tree is read, so a
//    layout may name a component declared further down;
//  - then Loaded runs on every component in creation order, the root first.
//
// A form of the program loads its layout at the end of its constructor; its
// table (Published.h) names the fields and handlers the layout binds:
//
//   class TFParGen : public TForm {
//    public:
//     explicit TFParGen(TComponent* AOwner) : TForm(AOwner) { LoadFormLayout(this, "forms/FParGen.dfm"); }
//     TLbButton* Btn_OK = nullptr;          // set when "object Btn_OK: TLbButton" is read
//     void Btn_OKClick(TObject* Sender);    // "OnClick = Btn_OKClick"
//   };
//   CF_PUBLISH(TFParGen, TForm) {
//     P.Field("Btn_OK", &TFParGen::Btn_OK);
//     P.Method("Btn_OKClick", &TFParGen::Btn_OKClick);
//   }
//
// A layout that cannot be applied raises ELayoutError (file, line or offset,
// "Component.Property", reason); the components created by that read are
// freed again and the root's flags cleared, so no half-built child remains.
#include <string>
#include <string_view>

#include "framework/classes/Classes.h"
#include "framework/classes/LayoutTree.h"

class TStream;

// Fills Instance from Layout, whose class must be Instance's class or one of
// its published ancestors.
void ReadComponentLayout(TComponent* Instance, const TLayoutObject& Layout, const TLayoutSource& Source);
// The layout of Root with the components it owns.
TLayoutObject WriteComponentLayout(TComponent* Root);

void ReadComponentText(TComponent* Instance, std::string_view Text, const std::string& FileName);
std::string WriteComponentText(TComponent* Root);

// Reads the record at Pos of Data into Instance (a record leaves what it does
// not name as it was) and returns the position just past it.
size_t ReadComponentBinary(TComponent* Instance, std::string_view Data, size_t Pos = 0,
                           const std::string& SourceName = "stream");
// Appends the record of Root to Out.
void WriteComponentBinary(std::string& Out, TComponent* Root);
std::string WriteComponentBinary(TComponent* Root);

// The same at a stream's position, as the platform's stream methods: the
// record is written at the position; reading moves the position past the
// record, and leaves it where it was when the record cannot be read.
void WriteComponent(TStream* Stream, TComponent* Root);
void ReadComponent(TStream* Stream, TComponent* Instance);

// Fills Form from the layout embedded as ResourceName ("forms/FParGen.dfm"),
// text or binary. EReadError when there is no such resource.
void LoadFormLayout(TComponent* Form, const std::string& ResourceName);

// The same layout in the other form.
std::string LayoutBinaryToText(std::string_view Data, const std::string& SourceName = "stream");
std::string LayoutTextToBinary(std::string_view Text, const std::string& FileName);
