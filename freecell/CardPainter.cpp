// Card drawing with GDI shapes.
#include "CardPainter.h"

#include <string>

#include "Handles.h"

namespace freecell {
namespace {

const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kPlaceLine = RGB(0, 64, 0);
const COLORREF kSelectedFace = RGB(150, 190, 255);

void Circle(HDC dc, int x, int y, int radius) { Ellipse(dc, x - radius, y - radius, x + radius + 1, y + radius + 1); }

void Triangle(HDC dc, POINT a, POINT b, POINT c) {
  const POINT points[] = {a, b, c};
  Polygon(dc, points, 3);
}

}  // namespace

CardPainter::CardPainter()
    : m_rankFont(CreateFontA(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma")) {}

void CardPainter::DrawCard(HDC dc, int left, int top, const Card& card, bool selected) const {
  fw::UniqueGdi<HPEN> border(CreatePen(PS_SOLID, 1, kBlack));
  fw::UniqueGdi<HBRUSH> face(CreateSolidBrush(selected ? kSelectedFace : RGB(255, 255, 255)));
  fw::SelectScope pen(dc, border.get());
  fw::SelectScope brush(dc, face.get());
  RoundRect(dc, left, top, left + kWidth, top + kHeight, 8, 8);
  // Rank and a small suit side by side, so that both show in the strip a covering card leaves.
  const int rankWidth = DrawRank(dc, card, left, top);
  DrawSuit(dc, card.GetSuit(), left + 11 + rankWidth, top + 11, 6);
  DrawSuit(dc, card.GetSuit(), left + kWidth / 2, top + kHeight / 2 + 8, 14);
}

void CardPainter::DrawPlace(HDC dc, int left, int top) const {
  fw::UniqueGdi<HPEN> line(CreatePen(PS_SOLID, 1, kPlaceLine));
  fw::SelectScope pen(dc, line.get());
  fw::SelectScope brush(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, left, top, left + kWidth, top + kHeight, 8, 8);
}

int CardPainter::DrawRank(HDC dc, const Card& card, int left, int top) const {
  const std::string rank = card.RankText();
  fw::SelectScope font(dc, m_rankFont.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, card.IsRed() ? kRed : kBlack);
  TextOutA(dc, left + 4, top + 3, rank.c_str(), static_cast<int>(rank.size()));
  SIZE extent{};
  GetTextExtentPoint32A(dc, rank.c_str(), static_cast<int>(rank.size()), &extent);
  TextOutA(dc, left + kWidth - 4 - extent.cx, top + kHeight - 3 - extent.cy, rank.c_str(),
           static_cast<int>(rank.size()));
  return extent.cx;
}

// Each suit is built from circles and triangles around its centre; size is about half its height.
void CardPainter::DrawSuit(HDC dc, Suit suit, int x, int y, int s) const {
  const bool red = suit == Suit::Diamonds || suit == Suit::Hearts;
  fw::UniqueGdi<HBRUSH> fill(CreateSolidBrush(red ? kRed : kBlack));
  fw::SelectScope brush(dc, fill.get());
  fw::SelectScope pen(dc, GetStockObject(NULL_PEN));
  const int r = s / 2;
  switch (suit) {
    case Suit::Diamonds: {
      const POINT points[] = {{x, y - s}, {x + s * 3 / 4, y}, {x, y + s}, {x - s * 3 / 4, y}};
      Polygon(dc, points, 4);
      break;
    }
    case Suit::Hearts:
      Circle(dc, x - r, y - r / 2, r + 1);
      Circle(dc, x + r, y - r / 2, r + 1);
      Triangle(dc, {x - s - 1, y - r / 4}, {x + s + 1, y - r / 4}, {x, y + s});
      break;
    case Suit::Spades:
      Circle(dc, x - r, y + r / 2, r + 1);
      Circle(dc, x + r, y + r / 2, r + 1);
      Triangle(dc, {x - s - 1, y + r / 4}, {x + s + 1, y + r / 4}, {x, y - s});
      Triangle(dc, {x, y}, {x - r, y + s + 1}, {x + r, y + s + 1});
      break;
    case Suit::Clubs:
      Circle(dc, x, y - r, r);
      Circle(dc, x - r - 1, y + r / 3, r);
      Circle(dc, x + r + 1, y + r / 3, r);
      Triangle(dc, {x, y}, {x - r, y + s + 1}, {x + r, y + s + 1});
      break;
  }
}

}  // namespace freecell
