#pragma once
#include <string>
#include <vector>

#include "familytree/FamilyTree.h"
#include "familytree/TreePainter.h"
#include "model/ModelFixture.h"

/// Records what a tree draws; every character is 8 pixels wide and a line 16 high.
class RecordingPainter : public TreePainter {
public:
    struct TextCall {
        std::string text;
        int x, y;
    };
    struct LineCall {
        int x1, y1, x2, y2;
    };
    std::vector<TextCall> texts;
    std::vector<LineCall> lines;

    Extent Measure(const std::string& text) override { return {static_cast<int>(text.size()) * 8, 16}; }
    void Text(const std::string& text, int x, int y) override { texts.push_back({text, x, y}); }
    void Line(int x1, int y1, int x2, int y2) override { lines.push_back({x1, y1, x2, y2}); }

    /// The horizontal centre at which a text was drawn; -1 when it was not.
    int CentreOf(const std::string& text) const {
        for (const TextCall& call : texts)
            if (call.text == text) return call.x + static_cast<int>(text.size()) * 8 / 2;
        return -1;
    }
    const TextCall* Find(const std::string& text) const {
        for (const TextCall& call : texts)
            if (call.text == text) return &call;
        return nullptr;
    }
};

class TreeTest : public ModelTest {
protected:
    static void Parents(Sim* child, Sim* mom, Sim* dad) {
        if (mom != nullptr) child->mom.SetSim(mom->id);
        if (dad != nullptr) child->dad.SetSim(dad->id);
    }
    FamilyTree Built() {
        FamilyTree tree;
        tree.Build(reg);
        tree.LinkParents();
        return tree;
    }
};
