// What readers and writers share: the root and the hooks for data outside published properties.
#pragma once
#include <functional>
#include <string>

class TComponent;
class TReader;
class TWriter;
class TStream;

class TFiler {
public:
    virtual ~TFiler() = default;

    // Custom stream data under a property name: read with readData, written with writeData when hasData.
    virtual void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                                const std::function<void(TWriter&)>& writeData, bool hasData) = 0;
    // Binary data (a bitmap's Data) stored as one block of bytes.
    virtual void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                                      const std::function<void(TStream&)>& writeData, bool hasData) = 0;

    TComponent* Root() const { return root_; }
    void SetRoot(TComponent* root) { root_ = root; }

protected:
    TComponent* root_ = nullptr;
};
