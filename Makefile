# Vorneta: one-step set-up, build, run and test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test test-asan bench fuzz package clean

all: build

deps:
	@bash tools/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/vorneta

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite once more with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVORNETA_SANITIZE=ON -DVORNETA_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/vorneta_bench --benchmark_min_time=0.2

# The parser's libFuzzer target; not part of CI. FUZZ_SECONDS sets how long it runs.
FUZZ_SECONDS ?= 600
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_FLAGS) -DVORNETA_FUZZ=ON -DVORNETA_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target parser_fuzz
	mkdir -p $(FUZZ_BUILD)/corpus
	./$(FUZZ_BUILD)/tests/fuzz/parser_fuzz $(FUZZ_BUILD)/corpus -dict=tests/fuzz/parser.dict -artifact_prefix=$(FUZZ_BUILD)/ -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1

# A Debian package of the program (CPack), written into $(BUILD)/: vorneta_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
