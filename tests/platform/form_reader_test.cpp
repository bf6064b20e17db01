// The window description: its text form, and building objects from it.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/form_description.h"
#include "platform/form_reader.h"

namespace lumora {
namespace {

std::string ErrorOf(const std::function<void()>& run) {
  try {
    run();
  } catch (const EReadError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(FormDescription, ReadsEveryKindOfValueAndNesting) {
  TDescriptionNode top = ParseFormDescription(
      "object Form1: TForm\r\n"
      "  Caption = 'it''s 伪原创'\n"
      "  Width = -11\n"
      "\n"
      "  Font.Style = [fsBold, fsUnderline]\n"
      "  Icons = []\n"
      "  Align = alTop\n"
      "  Stream = {Skin}\n"
      "  object Panel1: TPanel\n"
      "    object Button1: TButton\n"
      "    end\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(top.name, "Form1");
  EXPECT_EQ(top.class_name, "TForm");
  ASSERT_EQ(top.properties.size(), 6u);
  EXPECT_EQ(top.properties[0].String(), "it's 伪原创");
  EXPECT_EQ(top.properties[1].Integer(), -11);
  EXPECT_EQ(top.properties[2].name, "Font.Style");
  EXPECT_EQ(top.properties[2].line, 5);
  EXPECT_EQ(top.properties[2].Set(), (std::vector<std::string>{"fsBold", "fsUnderline"}));
  EXPECT_TRUE(top.properties[3].Set().empty());
  EXPECT_EQ(top.properties[4].Identifier(), "alTop");
  EXPECT_EQ(top.properties[5].DataName(), "Skin");
  ASSERT_EQ(top.children.size(), 1u);
  ASSERT_EQ(top.children[0].children.size(), 1u);
  EXPECT_EQ(top.children[0].children[0].name, "Button1");
  EXPECT_EQ(top.children[0].children[0].line, 10);
}

TEST(FormDescription, ValueOfTheWrongKindNamesTheLineAndSetting) {
  TDescriptionNode top = ParseFormDescription("object A: TA\n  Width = 'wide'\n  On = Yes\nend");
  EXPECT_EQ(ErrorOf([&] { top.properties[0].Integer(); }),
            "Window description, line 2: Width wants a number");
  EXPECT_EQ(ErrorOf([&] { top.properties[1].Boolean(); }),
            "Window description, line 3: On wants True or False");
}

TEST(FormDescription, MalformedTextIsRefusedWithItsLine) {
  struct Row {
    const char* text;
    const char* error;
  } rows[] = {
      // nothing at all
      {"", "line 0: the description is empty"},
      // the top object never ends
      {"object A: TA\n  X = 1\n", "line 1: object A has no 'end'"},
      // a string that never closes
      {"object A: TA\n  X = 'abc\nend", "line 2: unterminated string"},
      // a setting without '='
      {"object A: TA\n  X 1\nend", "line 2: expected '=' after X"},
      // a setting after a child object
      {"object A: TA\n  object B: TB\n  end\n  X = 1\nend",
       "line 4: a setting of A after its first child"},
      // an unclosed set
      {"object A: TA\n  X = [a, b\nend", "line 2: expected ']' to close the set"},
      // trailing text
      {"object A: TA\nend\nend", "line 3: text after the last 'end'"},
      // a number too long for any integer
      {"object A: TA\n  X = 99999999999999999999\nend",
       "line 2: '99999999999999999999' is not a number"},
      // a class missing
      {"object A:\nend", "line 1: expected the object's class"},
  };
  for (const Row& row : rows) {
    std::string error = ErrorOf([&] { ParseFormDescription(row.text); });
    EXPECT_EQ(error, std::string("Window description, ") + row.error) << row.text;
  }
}

// Small classes in the shape of a window's: a form, a box that holds
// children and links to a "data" component, and the data component.
struct Data {
  std::string name;
  int value = 0;
};
struct Box : QWidget {
  using QWidget::QWidget;
  Data* data = nullptr;
  Box* buddy = nullptr;
  std::function<void()> on_click;
};
struct Form : QWidget {
  std::vector<std::unique_ptr<Data>> owned;
  std::vector<std::string> events;
};

// A form and a reader that knows its classes.
struct World {
  World() {
    auto& form_class = reader.RegisterClass<Form>("TForm", nullptr);
    form_class.Property("Caption", [this](Form& f, const TDescriptionProperty& p) {
      f.setWindowTitle(QString::fromStdString(p.String()));
    });
    auto& box = reader.RegisterClass<Box>(
        "TBox", [this](const TReadObject& parent, const TDescriptionNode& node) {
          form.events.push_back("create " + node.name);
          auto* b = new Box(parent.widget);
          b->setObjectName(QString::fromStdString(node.name));
          return b;
        });
    box.Property("Width", [this](Box& b, const TDescriptionProperty& p) {
      form.events.push_back("width " + b.objectName().toStdString());
      b.resize(p.Integer(), b.height());
    });
    box.Property("Data", [this](Box& b, const TDescriptionProperty& p) {
      reader.Reference<Data>(p, [this, box = &b](Data* d) {
        form.events.push_back("link " + box->objectName().toStdString() + " " + d->name);
        box->data = d;
      });
    });
    box.Property("Buddy", [this](Box& b, const TDescriptionProperty& p) {
      reader.Reference<Box>(p, [box = &b](Box* other) { box->buddy = other; });
    });
    box.Property("OnClick",
                 [this](Box& b, const TDescriptionProperty& p) { b.on_click = reader.Method(p); });
    auto& data = reader.RegisterClass<Data>(
        "TData", [this](const TReadObject&, const TDescriptionNode& node) {
          form.events.push_back("create " + node.name);
          form.owned.push_back(std::make_unique<Data>());
          form.owned.back()->name = node.name;
          return form.owned.back().get();
        });
    data.Property("Value", [](Data& d, const TDescriptionProperty& p) { d.value = p.Integer(); });
    reader.AddMethod("Box1Click", [this] { form.events.push_back("clicked"); });
  }
  std::string Error(const std::string& text) {
    return ErrorOf([&] { reader.Read(text, &form); });
  }

  Form form;
  TFormReader reader;
};

TEST(FormReader, CreatesInStreamOrderAndLinksAfterEverythingIsRead) {
  World world;
  world.reader.Read(
      "object Form1: TForm\n"
      "  Caption = 'Main'\n"
      "  object Box1: TBox\n"
      "    Width = 50\n"
      "    Data = Data1\n"
      "    Buddy = Box2\n"
      "    OnClick = Box1Click\n"
      "    object Box2: TBox\n"
      "      Width = 20\n"
      "      Data = Data1\n"
      "    end\n"
      "  end\n"
      "  object Data1: TData\n"
      "    Value = 7\n"
      "  end\n"
      "end\n",
      &world.form);
  // Children after their parent's settings; links only once all exist,
  // in the order they were read.
  EXPECT_EQ(world.form.events,
            (std::vector<std::string>{"create Box1", "width Box1", "create Box2", "width Box2",
                                      "create Data1", "link Box1 Data1", "link Box2 Data1"}));
  EXPECT_EQ(world.form.windowTitle(), "Main");
  Box* box1 = world.reader.Find<Box>("Box1");
  Box* box2 = world.reader.Find<Box>("Box2");
  ASSERT_NE(box1, nullptr);
  ASSERT_NE(box2, nullptr);
  EXPECT_EQ(box1->parentWidget(), &world.form);
  EXPECT_EQ(box2->parentWidget(), box1);
  EXPECT_EQ(box1->buddy, box2);
  EXPECT_EQ(box1->data->value, 7);
  EXPECT_EQ(world.reader.Find<Data>("Box1"), nullptr);  // not of that class
  box1->on_click();
  EXPECT_EQ(world.form.events.back(), "clicked");
  EXPECT_EQ(world.reader.Components(),
            (std::vector<std::pair<std::string, std::string>>{
                {"Form1", "TForm"}, {"Box1", "TBox"}, {"Box2", "TBox"}, {"Data1", "TData"}}));
}

TEST(FormReader, BadDescriptionsGiveAClearError) {
  struct Row {
    const char* body;
    const char* error;
  } rows[] = {
      // a link to nothing
      {"  object Box1: TBox\n    Data = Data9\n  end\n",
       "line 3: Data: there is no Data9 on the window"},
      // a link to an object of another class
      {"  object Box1: TBox\n    Data = Box1\n  end\n",
       "line 3: Data: Box1 is a TBox, not a TData"},
      // a link given as a string
      {"  object Box1: TBox\n    Data = 'Data1'\n  end\n", "line 3: Data wants a name"},
      // a class nobody registered
      {"  object Box1: TButton\n  end\n", "line 2: unknown class TButton"},
      // a setting the class does not have
      {"  object Box1: TBox\n    Height = 3\n  end\n", "line 3: TBox has no setting Height"},
      // two objects of one name
      {"  object Box1: TBox\n  end\n  object Box1: TBox\n  end\n",
       "line 4: a second object named Box1"},
      // a handler the window does not have
      {"  object Box1: TBox\n    OnClick = Box9Click\n  end\n",
       "line 3: OnClick: the window has no method Box9Click"},
      // a second form inside the first
      {"  object Form2: TForm\n  end\n", "line 2: a TForm cannot be created here"},
  };
  for (const Row& row : rows) {
    std::string text = std::string("object Form1: TForm\n") + row.body + "end\n";
    World world;
    EXPECT_EQ(world.Error(text), std::string("Window description, ") + row.error) << row.body;
  }
}

TEST(FormReader, TopObjectMustBeOfTheRootsClass) {
  World world;
  EXPECT_EQ(world.Error("object Box1: TBox\nend\n"),
            "Window description, line 1: the top object is not a TForm");
}

}  // namespace
}  // namespace lumora
