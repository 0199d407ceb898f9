#pragma once
// Pictures that cell markup shows: named pictures of a TPictureContainer
// that the grid points to, and pictures loaded by their source text
// ("RES://name", "FILE://path") and kept in the grid's THTMLPictureCache.
//
// A THTMLPicture keeps the bytes of its file and decodes them with the
// framework's picture readers (BMP, JPEG, PNG, GIF, ICO). For a GIF it
// shows one frame at a time: the frame's own rectangle, placed on the
// animation's logical screen by FrameXPos/FrameYPos; Step walks through the
// frames by their delays.
//
// Raw-data resources are the files embedded from resources/rcdata/ and
// resources/pictures/, found by their file name without extension, letter
// case ignored.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/classes/Collections.h"
#include "framework/graphics/Graphics.h"

class TMemoryStream;

class THTMLPicture : public TGraphic {
 public:
  using TDownLoadProgress = std::function<void(TObject* Sender, uint32_t dwSize, uint32_t dwTotSize)>;
  using TDownLoadCancel = std::function<void(TObject* Sender, bool& Cancel)>;
  using TDownLoadError = std::function<void(TObject* Sender, const std::string& err)>;

  THTMLPicture();
  ~THTMLPicture() override;
  void Assign(TPersistent* Source) override;

  bool Empty() const override { return FIsEmpty; }
  // The decoded picture's size in pixels at 96 pixels per inch; 0 without
  // one. Writing them does nothing.
  int Width() const override;
  int Height() const override;
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  // The GIF logical screen when there is one, else Width and Height.
  int MaxWidth() const;
  int MaxHeight() const;

  bool Stretch() const { return FStretched; }
  void SetStretch(bool Value) { FStretched = Value; }
  // The source text the picture was loaded from; the cache finds it by it.
  const std::string& ID() const { return FID; }
  bool IsDB() const { return FIsDB; }
  void SetIsDB(bool Value) { FIsDB = Value; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool Value) { FAsynch = Value; }
  // Sources other than resources and files are never loaded, so no load is
  // ever in progress.
  bool Busy() const { return FThreadBusy; }
  // A source text that could not be loaded.
  const std::string& URL() const { return FURL; }

  // Nothing for no stream; otherwise the rest of the stream replaces the
  // data, which is decoded (errors raise and leave the picture empty), then
  // OnChange fires.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // Any failure (file or decoding) leaves the picture empty, unreported.
  void LoadFromFile(const std::string& FileName) override;
  // Nothing when there is no raw-data resource of that name.
  void LoadFromResourceName(const std::string& ResName);
  // EResNotFound when there is none.
  void LoadFromResourceID(int ResID);
  // "RES://name" and "FILE://path" (scheme in any case) load; any other
  // text is kept as URL and ID and loads nothing.
  void LoadFromURL(const std::string& url);
  void LoadFromBytes(const uint8_t* Data, size_t Size) override;
  std::vector<uint8_t> SaveToBytes() override;
  // The raw bytes as the streamed "Data" property holds them; reading them
  // decodes without OnChange (a picture that does not decode stays empty).
  std::string Data() const;
  void SetData(const std::string& Bytes);

  // --- animated GIF
  bool IsGIF() const;
  // -1 for data that is not GIF, else the number of frames, counted once.
  int FrameCount() const;
  // The delay of frame i (from 1) in hundredths of a second, also taking
  // that frame's transparency and disposal; -1 when not found or not GIF.
  int GetFrameTime(int i);
  int Frame() const { return FFrame; }
  // Stores the frame and, with data, shows it and fires OnFrameChange.
  void SetFrame(int Value);
  // The frame number only; nothing is decoded.
  void FrameNext();
  void FramePrev();
  // One animation step (callers step on a timer of 100 ms); true when the
  // shown frame changed. Never raises: a frame that does not decode keeps
  // the picture as it was.
  bool Step();
  int FrameXPos() const { return FFrameXPos; }
  int FrameYPos() const { return FFrameYPos; }
  int FrameXSize() const { return FFrameXSize; }
  int FrameYSize() const { return FFrameYSize; }
  bool FrameTransp() const { return FFrameTransp; }
  int FrameDisposal() const { return FFrameDisposal; }
  int AnimMaxX() const { return FAnimMaxX; }
  int AnimMaxY() const { return FAnimMaxY; }

  TNotifyEvent OnFrameChange;
  // Background loads do not exist: these never fire.
  TDownLoadProgress OnDownLoadProgress;
  TDownLoadCancel OnDownLoadCancel;
  TNotifyEvent OnDownLoadComplete;
  TDownLoadError OnDownLoadError;

 protected:
  // Nothing when empty; stretched into R, or at the natural size (scaled to
  // the canvas's pixels per inch) at R's top-left corner.
  void Draw(TCanvas* ACanvas, const TRect& R) override;

 private:
  void Reset();
  void TakeBytes(const uint8_t* Data, size_t Size);
  // Decodes the current frame; raises EInvalidGraphic with the loader's
  // messages and leaves the picture empty when the data does not decode.
  void Decode();
  const uint8_t* Bytes() const;
  size_t ByteCount() const;

  std::unique_ptr<TMemoryStream> FDatastream;
  bool FIsEmpty = true;
  bool FStretched = false;
  // The decoded picture (the current frame of a GIF).
  std::unique_ptr<TBitmap> gpPicture;
  int FLogPixX = 96, FLogPixY = 96;
  std::string FURL;
  std::string FID;
  bool FIsDB = false;
  bool FAsynch = true;
  bool FThreadBusy = false;
  int FFrame = 1;
  mutable int FFrameCount = -1;
  uint16_t FFrameXPos = 0, FFrameYPos = 0, FFrameXSize = 0, FFrameYSize = 0;
  bool FFrameTransp = false;
  uint16_t FFrameDisposal = 0;
  uint16_t FAnimMaxX = 0, FAnimMaxY = 0;
  int FNextCount = -1;
  int FTimerCount = -1;
};

// Pictures loaded by their source text; owns them.
class THTMLPictureCache : public TObject {
 public:
  ~THTMLPictureCache() override;
  // A new, empty picture at the end of the list.
  THTMLPicture* AddPicture();
  // The first picture whose ID is ID exactly, or nullptr.
  THTMLPicture* FindPicture(const std::string& ID) const;
  void ClearPictures();
  int Count() const { return static_cast<int>(items_.size()); }
  // EListError for a bad index.
  THTMLPicture* Items(int Index) const;
  // Replaces (and frees) the picture at Index by Value, which the cache
  // then owns.
  void SetItems(int Index, THTMLPicture* Value);
  // One step of every picture; true when any changed frame.
  bool Animate();

 private:
  std::vector<std::unique_ptr<THTMLPicture>> items_;
};

class TPictureItem : public TCollectionItem {
 public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;
  // Name, tag and picture of another item.
  void Assign(TPersistent* Source) override;
  THTMLPicture* Picture() const { return FPicture.get(); }
  // Copies Value.
  void SetPicture(THTMLPicture* Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  std::string DisplayName() const override { return FName.empty() ? ClassName() : FName; }

 private:
  std::unique_ptr<THTMLPicture> FPicture;
  int FTag = 0;
  std::string FName;
};

class TPictureCollection : public TOwnedCollection {
 public:
  explicit TPictureCollection(TComponent* AOwner);
  TPictureItem* Add();
  TPictureItem* Insert(int Index);
  TPictureItem* Items(int Index) const;
  void SetItems(int Index, TPictureItem* Value) { TCollection::SetItems(Index, Value); }
  // One step of every item's picture; true when any changed frame.
  bool Animate();
};

class TPictureContainer : public TComponent {
 public:
  explicit TPictureContainer(TComponent* AOwner);
  ~TPictureContainer() override;
  TPictureCollection* Items() const { return FItems.get(); }
  // Copies the items of Value into the container's own collection.
  void SetItems(TPictureCollection* Value);
  // The picture of the first item named Name, letter case ignored; nullptr
  // when none.
  virtual THTMLPicture* FindPicture(const std::string& Name) const;

 private:
  std::unique_ptr<TPictureCollection> FItems;
};
