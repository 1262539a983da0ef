#include "i18n/CardTitles.h"

const CardTitleList& BuiltinCardTitles() {
    static const CardTitleList titles = {
        // Major Arcana
        "0. The Fool", "I. Existence", "II. Quiet Knowing", "III. Blossoming", "IV. Sovereignty",
        "V. The Teaching", "VI. Union", "VII. Resolve", "VIII. Balance", "IX. Solitude",
        "X. The Wheel Turns", "XI. Inner Fire", "XII. Surrender", "XIII. Renewal", "XIV. Harmony",
        "XV. Bondage", "XVI. Upheaval", "XVII. Hope", "XVIII. Dreams", "XIX. Radiance",
        "XX. Awakening", "XXI. Completion",
        // First suit
        "Maturity", "Intention", "Vision", "Venture", "Celebration", "Contest", "Triumph",
        "Standing Firm", "Momentum", "Burden", "Spark", "Adventure", "Warmth", "Abundance",
        // Second suit
        "Going With The Flow", "Meeting", "Friendship", "Drifting", "Letting Go", "Remembering",
        "Daydreams", "Moving On", "Contentment", "Belonging", "Tenderness", "Devotion",
        "Compassion", "Embrace",
        // Third suit
        "Clarity", "Stalemate", "Heartache", "Rest", "Hollow Victory", "Passage", "Cunning",
        "Confinement", "Sleeplessness", "Ending", "Curiosity", "Charge", "Discernment", "Authority",
        // Fourth suit
        "Seed", "Juggling", "Craft", "Holding On", "Hardship", "Sharing", "Patience", "Diligence",
        "Plenty", "Legacy", "Study", "Steadiness", "Nurture", "Mastery",
        // The 79th card
        "The Master"};
    return titles;
}
